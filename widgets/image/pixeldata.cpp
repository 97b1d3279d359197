#include "image/pixeldata.h"

#include <QPainter>

#include <algorithm>

Pixel FindColor(const std::uint8_t *onRed, const std::uint8_t *onBlue, Pixel blendCol)
{
    const int rr = onRed[0], rg = onRed[1], rb = onRed[2];
    const int br = onBlue[0], bg = onBlue[1], bb = onBlue[2];
    if (rr == br && rg == bg && rb == bb)
        return MakePixel(rr, rg, rb, 255);
    if (rr == 255 && rg == 0 && rb == 0 && br == 0 && bg == 0 && bb == 255)
        return blendCol;
    const int alpha = (br - rr - 1) & 0xFF;
    if (alpha == 0)
        return blendCol;
    // Renderings that rounded differently on the two backgrounds can give a
    // quotient above 255; the channel saturates instead of wrapping to dark.
    const auto unpremultiply = [alpha](int c) { return std::min(255, c * 255 / alpha); };
    return MakePixel(unpremultiply(br), unpremultiply(bg), unpremultiply(rb), alpha);
}

TColor DefaultTransparentColor(const QImage &picture)
{
    if (picture.isNull())
        return clBlack;
    if (picture.format() == QImage::Format_Mono || picture.format() == QImage::Format_MonoLSB)
        return clWhite;
    return fromQColor(picture.pixelColor(0, picture.height() - 1));
}

QImage PictureWithTransparency(const QImage &picture, bool transparent, TColor transparentColor)
{
    if (picture.isNull() || !transparent)
        return picture;
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const TColor key = resolveColor(transparentColor);
    const QRgb keyRgb = qRgb(redOf(key), greenOf(key), blueOf(key)) & RGB_MASK;
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & RGB_MASK) == keyRgb)
                line[x] = 0;
        }
    }
    return keyed;
}

namespace {

QImage renderOn(const QImage &picture, const QColor &background)
{
    QImage surface(picture.size(), QImage::Format_RGB888);
    surface.fill(background);
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(0, 0, picture);
    painter.end();
    return surface;
}

} // namespace

PixelBuffer MakeData(const QImage &picture, Pixel blendCol)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return PixelBuffer();
    const QImage onRed = renderOn(picture, QColor(255, 0, 0));
    const QImage onBlue = renderOn(picture, QColor(0, 0, 255));
    PixelBuffer source(picture.width(), picture.height());
    for (int y = 0; y < source.height; ++y) {
        const std::uint8_t *red = onRed.constScanLine(y);
        const std::uint8_t *blue = onBlue.constScanLine(y);
        Pixel *out = source.row(y);
        for (int x = 0; x < source.width; ++x)
            out[x] = FindColor(red + 3 * x, blue + 3 * x, blendCol);
    }
    return source;
}
