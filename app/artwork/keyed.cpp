#include "keyed.h"

#include <QPainter>

#include "artwork.h"

namespace artwork {

QRgb transparentKey() { return kKeyColor; }

QImage keyCanvas(int width, int height)
{
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

QRgb flattenPixel(QRgb premultiplied, QRgb matte)
{
    const int a = qAlpha(premultiplied);
    if (a < kOpaqueFrom)
        return kKeyColor;
    const int rest = 255 - a;
    auto over = [rest](int source, int under) { return source + (under * rest + 127) / 255; };
    const int r = qMin(255, over(qRed(premultiplied), qRed(matte)));
    const int g = qMin(255, over(qGreen(premultiplied), qGreen(matte)));
    int b = qMin(255, over(qBlue(premultiplied), qBlue(matte)));
    if (qRgb(r, g, b) == kKeyColor)
        b = 254;
    return qRgb(r, g, b);
}

QImage flattenOnKey(const QImage &canvas, QRgb matte)
{
    const QImage source = canvas.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage keyed(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            out[x] = flattenPixel(in[x], matte);
    }
    return keyed;
}

QImage keyedPicture(int width, int height, QRgb matte, const std::function<void(QPainter &p, QPointF c)> &draw)
{
    QImage canvas = keyCanvas(width, height);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    draw(p, turnCentre(canvas));
    p.end();
    return flattenOnKey(canvas, matte);
}

} // namespace artwork
