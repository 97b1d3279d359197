#include "image/resample.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

inline int roundChannel(float v)
{
    // lrint rounds to nearest, halves to even, in the default rounding mode.
    const long r = std::lrint(v);
    return r < 0 ? 0 : (r > 255 ? 255 : int(r));
}

inline Pixel blendOf(float w00, float w10, float w01, float w11, Pixel p00, Pixel p10, Pixel p01, Pixel p11,
                     int shift)
{
    const float v = w00 * float((p00 >> shift) & 0xFF) + w10 * float((p10 >> shift) & 0xFF)
        + w01 * float((p01 >> shift) & 0xFF) + w11 * float((p11 >> shift) & 0xFF);
    return Pixel(roundChannel(v)) << shift;
}

// Neighbour (x, y), or blendCol outside the picture.
inline Pixel neighbour(const PixelBuffer &src, int x, int y, Pixel blendCol)
{
    if (x < 0 || y < 0 || x >= src.width || y >= src.height)
        return blendCol;
    return src.at(x, y);
}

} // namespace

Pixel MakeColor(Pixel p00, Pixel p10, Pixel p01, Pixel p11, float w00, float w10, float w01, float w11)
{
    return blendOf(w00, w10, w01, w11, p00, p10, p01, p11, 0) | blendOf(w00, w10, w01, w11, p00, p10, p01, p11, 8)
        | blendOf(w00, w10, w01, w11, p00, p10, p01, p11, 16) | blendOf(w00, w10, w01, w11, p00, p10, p01, p11, 24);
}

Pixel SampleBilinear(const PixelBuffer &src, double sx, double sy, Pixel blendCol)
{
    if (!(sx > -1.0 && sy > -1.0 && sx < double(src.width) && sy < double(src.height)))
        return 0;
    const double fx0 = std::floor(sx);
    const double fy0 = std::floor(sy);
    const int ix = int(fx0);
    const int iy = int(fy0);
    const float fx = float(sx - fx0);
    const float fy = float(sy - fy0);
    const float gx = 1.0f - fx;
    const float gy = 1.0f - fy;
    Pixel p00, p10, p01, p11;
    if (ix >= 0 && iy >= 0 && ix + 1 < src.width && iy + 1 < src.height) {
        const Pixel *r0 = src.row(iy) + ix;
        const Pixel *r1 = r0 + src.width;
        p00 = r0[0];
        p10 = r0[1];
        p01 = r1[0];
        p11 = r1[1];
    } else {
        p00 = neighbour(src, ix, iy, blendCol);
        p10 = neighbour(src, ix + 1, iy, blendCol);
        p01 = neighbour(src, ix, iy + 1, blendCol);
        p11 = neighbour(src, ix + 1, iy + 1, blendCol);
    }
    return MakeColor(p00, p10, p01, p11, gx * gy, fx * gy, gx * fy, fx * fy);
}

PixelBuffer MakeRotated(const PixelBuffer &src, double radians, int width, int height, Pixel blendCol)
{
    PixelBuffer out(width, height);
    if (src.isEmpty() || out.isEmpty())
        return out;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double halfW = double(out.width) / 2.0;
    const double halfH = double(out.height) / 2.0;
    const double halfSrcW = double(src.width) / 2.0;
    const double halfSrcH = double(src.height) / 2.0;
    // The products of each column and row are computed once; each sum keeps
    // the order of the mapping so the result does not depend on this.
    std::vector<double> dxc(std::size_t(out.width)), dxs(std::size_t(out.width));
    for (int x = 0; x < out.width; ++x) {
        const double dx = double(x) - halfW;
        dxc[std::size_t(x)] = dx * c;
        dxs[std::size_t(x)] = dx * s;
    }
    for (int y = 0; y < out.height; ++y) {
        const double dy = halfH - double(y);
        const double dys = dy * s;
        const double dyc = dy * c;
        Pixel *line = out.row(y);
        for (int x = 0; x < out.width; ++x) {
            const double sx = (dxc[std::size_t(x)] + dys) + halfSrcW;
            const double sy = (dxs[std::size_t(x)] - dyc) + halfSrcH;
            line[x] = SampleBilinear(src, sx, sy, blendCol);
        }
    }
    return out;
}

PixelBuffer MakeStretched(const PixelBuffer &src, int width, int height, Pixel blendCol)
{
    PixelBuffer out(width, height);
    if (src.isEmpty() || out.isEmpty())
        return out;
    const double fx = double(out.width) / double(src.width);
    const double fy = double(out.height) / double(src.height);
    for (int y = 0; y < out.height; ++y) {
        const double sy = double(y) / fy;
        Pixel *line = out.row(y);
        for (int x = 0; x < out.width; ++x)
            line[x] = SampleBilinear(src, double(x) / fx, sy, blendCol);
    }
    return out;
}

PixelBuffer MakeCustomMapping(const PixelBuffer &src, int width, int height, const CustomMappingFn &map,
                              Pixel blendCol)
{
    constexpr int maxSide = std::numeric_limits<std::uint16_t>::max();
    PixelBuffer out(std::min(width, maxSide), std::min(height, maxSide));
    if (src.isEmpty() || out.isEmpty() || !map)
        return out;
    const float pw = float(src.width), ph = float(src.height);
    const float cw = float(out.width), ch = float(out.height);
    for (int av = 0; av < out.height; ++av) {
        Pixel *line = out.row(out.height - 1 - av);
        for (int au = 0; au < out.width; ++au) {
            float ax = float(au) * pw / cw;
            float ay = float(av) * ph / ch;
            map(std::uint16_t(au), std::uint16_t(av), ax, ay);
            // ay counts rows from the bottom; the buffer stores the top row first.
            line[au] = SampleBilinear(src, double(ax), double(src.height - 1) - double(ay), blendCol);
        }
    }
    return out;
}
