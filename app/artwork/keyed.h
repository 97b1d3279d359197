#pragma once
// Keyed bitmaps: 24-bit pictures whose bottom-left pixel names the colour that
// the rotatable image treats as transparent. The artwork is drawn anti-aliased
// on a transparent canvas and then flattened: a pixel covered less than half
// becomes the key, any other pixel becomes opaque, its partial coverage mixed
// with the colour the picture will lie on (the matte). So the outline stays hard
// against the key (a soft edge would leave key-tinted pixels that the widget
// cannot recognise as transparent and would show as a purple fringe), while it
// still looks smooth on the instrument face it is made for.
#include <QImage>
#include <QPointF>
#include <QRgb>

#include <functional>

class QPainter;

namespace artwork {

// Magenta: no instrument uses it, and flattening never produces it.
constexpr QRgb kKeyColor = 0xFFFF00FF;

// Coverage (alpha, 0..255) from which a pixel is opaque.
constexpr int kOpaqueFrom = 128;

// A transparent ARGB32 premultiplied canvas to draw the artwork on.
QImage keyCanvas(int width, int height);

// One premultiplied ARGB pixel of the canvas as the keyed bitmap holds it: the
// key when alpha < kOpaqueFrom, else the pixel composed over the matte (opaque
// RGB). A result that happens to equal the key is moved one step off it.
QRgb flattenPixel(QRgb premultiplied, QRgb matte);

// The whole canvas flattened into a Format_RGB32 keyed bitmap.
QImage flattenOnKey(const QImage &canvas, QRgb matte);

// The point about which the rotatable image turns a picture of this size: the
// exact middle, which for an even size lies between two pixels.
inline QPointF turnCentre(const QImage &image)
{
    return {image.width() / 2.0, image.height() / 2.0};
}

// A keyed picture of that size: drawn anti-aliased about its turning centre c,
// then flattened onto the key with the matte.
QImage keyedPicture(int width, int height, QRgb matte, const std::function<void(QPainter &p, QPointF c)> &draw);

} // namespace artwork
