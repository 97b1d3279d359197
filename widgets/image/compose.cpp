#include "image/compose.h"

#include <algorithm>
#include <cstring>

int BlendChannel(int beneath, int colour, int alpha)
{
    const int n = (colour - beneath) * alpha;
    // (|n| + 127) / 255 is |n| / 255 rounded; 255 is odd so no exact half occurs.
    const int q = n >= 0 ? (n + 127) / 255 : -((-n + 127) / 255);
    return beneath + q;
}

QRgb BlendPixel(QRgb beneath, Pixel pixel)
{
    const int a = pixelAlpha(pixel);
    if (a == 0)
        return beneath;
    if (a == 255)
        return qRgb(pixelRed(pixel), pixelGreen(pixel), pixelBlue(pixel));
    return qRgb(BlendChannel(qRed(beneath), pixelRed(pixel), a), BlendChannel(qGreen(beneath), pixelGreen(pixel), a),
                BlendChannel(qBlue(beneath), pixelBlue(pixel), a));
}

void BlendBuffer(QImage &surface, const PixelBuffer &buffer, QPoint offset)
{
    if (surface.isNull() || buffer.isEmpty())
        return;
    if (surface.format() != QImage::Format_RGB32)
        surface = surface.convertToFormat(QImage::Format_RGB32);
    const int x0 = std::max(0, offset.x());
    const int y0 = std::max(0, offset.y());
    const int x1 = std::min(surface.width(), offset.x() + buffer.width);
    const int y1 = std::min(surface.height(), offset.y() + buffer.height);
    for (int y = y0; y < y1; ++y) {
        auto *line = reinterpret_cast<QRgb *>(surface.scanLine(y));
        const Pixel *src = buffer.row(y - offset.y());
        for (int x = x0; x < x1; ++x)
            line[x] = BlendPixel(line[x], src[x - offset.x()]);
    }
}

QImage ToQImage(const PixelBuffer &buffer)
{
    if (buffer.isEmpty())
        return QImage();
    QImage image(buffer.width, buffer.height, QImage::Format_RGBA8888);
    const std::size_t rowBytes = std::size_t(buffer.width) * sizeof(Pixel);
    for (int y = 0; y < buffer.height; ++y) {
        // Format_RGBA8888 keeps the bytes red, green, blue, alpha in memory,
        // which is the buffer's layout on a little-endian machine.
        if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
            std::memcpy(image.scanLine(y), buffer.row(y), rowBytes);
        } else {
            uchar *out = image.scanLine(y);
            const Pixel *in = buffer.row(y);
            for (int x = 0; x < buffer.width; ++x) {
                out[4 * x] = uchar(pixelRed(in[x]));
                out[4 * x + 1] = uchar(pixelGreen(in[x]));
                out[4 * x + 2] = uchar(pixelBlue(in[x]));
                out[4 * x + 3] = uchar(pixelAlpha(in[x]));
            }
        }
    }
    return image;
}
