#include "knob/aaprimitives.h"

#include "knob/knobscale.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

using knobscale::roundToInt;

namespace {

bool usable(const QImage &image)
{
    return !image.isNull() && image.format() == QImage::Format_RGB888;
}

bool finite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

struct Rgb {
    int r, g, b;
};

Rgb rgbOf(TColor c)
{
    const TColor v = resolveColor(c);
    return {redOf(v), greenOf(v), blueOf(v)};
}

// Exact Round(rate/255 * b + (255 - rate)/255 * a) for integers: the exact
// value is n/255, which never lies halfway between two integers.
inline int mixChannel(int a, int b, int rate)
{
    return (rate * b + (255 - rate) * a + 127) / 255;
}

inline void put(uchar *p, Rgb c)
{
    p[0] = uchar(c.r);
    p[1] = uchar(c.g);
    p[2] = uchar(c.b);
}

inline void blend(uchar *p, Rgb c, int w)
{
    if (w <= 0)
        return;
    if (w >= 255) {
        put(p, c);
        return;
    }
    p[0] = uchar(mixChannel(p[0], c.r, w));
    p[1] = uchar(mixChannel(p[1], c.g, w));
    p[2] = uchar(mixChannel(p[2], c.b, w));
}

inline int edgeWeight(double inside, double feather)
{
    return std::clamp(roundToInt(inside * 2.0 / feather * 127.5 + 127.5), 0, 255);
}

// Pixel range [lo, hi] of a centre +- reach, clipped to 0..size-1; empty when lo > hi.
struct Span {
    int lo, hi;
};
Span clipSpan(double centre, double reach, int size)
{
    const double lo = std::ceil(centre - reach);
    const double hi = std::floor(centre + reach);
    if (hi < 0.0 || lo > double(size - 1))
        return {1, 0};
    return {int(std::max(lo, 0.0)), int(std::min(hi, double(size - 1)))};
}

// Columns of one row that may lie within distance sqrt(r2) of the centre;
// one pixel wider on each side than exact, the callers test each pixel.
// (x - cx)^2 for every column of the span, so that rows only add dy^2.
std::vector<double> columnSquares(double cx, Span xs)
{
    std::vector<double> dx2(size_t(xs.hi - xs.lo + 1));
    for (int x = xs.lo; x <= xs.hi; ++x)
        dx2[size_t(x - xs.lo)] = (x - cx) * (x - cx);
    return dx2;
}

Span rowReach(double cx, double dy2, double r2, Span xs)
{
    if (dy2 > r2)
        return {1, 0};
    const double half = std::sqrt(r2 - dy2) + 1.0;
    return {std::max(xs.lo, int(std::floor(cx - half))), std::min(xs.hi, int(std::ceil(cx + half)))};
}

// Walks every pixel of a feathered ring and hands its coverage weight
// (0..255) to `paint(pixel, x, y, weight)`.
template <class Paint>
void forRing(QImage &image, double cx, double cy, double radius, double width, double feather,
             Paint paint)
{
    if (!usable(image) || !finite({cx, cy, radius, width, feather}) || width <= 0.0)
        return;
    const double f = std::clamp(feather, 0.0, width);
    const double half = f / 2.0;
    const double rIn = radius - width / 2.0;
    const double rOut = radius + width / 2.0;
    const double outerMost = rOut + half;
    if (outerMost <= 0.0)
        return;
    const Span xs = clipSpan(cx, outerMost, image.width());
    const Span ys = clipSpan(cy, outerMost, image.height());
    if (xs.lo > xs.hi || ys.lo > ys.hi)
        return;

    const double outer2 = outerMost * outerMost;
    const double innerMost = rIn - half;
    const double inner2 = innerMost > 0.0 ? innerMost * innerMost : -1.0;
    const double solidLo = rIn + half;
    const double solidHi = rOut - half;
    const double solidLo2 = solidLo > 0.0 ? solidLo * solidLo : -1.0;
    const double solidHi2 = solidHi > 0.0 ? solidHi * solidHi : -1.0;

    const std::vector<double> dx2 = columnSquares(cx, xs);

    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = ys.lo; y <= ys.hi; ++y) {
        const double dy2 = (y - cy) * (y - cy);
        uchar *row = bits + stride * y;
        const Span outerCols = rowReach(cx, dy2, outer2, xs);
        // Columns well inside the hole are skipped; the rest are tested.
        Span hole{1, 0};
        if (inner2 > dy2) {
            const double half = std::sqrt(inner2 - dy2) - 1.0;
            if (half > 0.0)
                hole = {int(std::ceil(cx - half)), int(std::floor(cx + half))};
        }
        for (int x = outerCols.lo; x <= outerCols.hi; ++x) {
            if (x == hole.lo && hole.lo <= hole.hi) {
                x = hole.hi;
                continue;
            }
            const double d2 = dx2[size_t(x - xs.lo)] + dy2;
            if (d2 > outer2 || d2 < inner2)
                continue;
            uchar *p = row + 3 * x;
            if (d2 > solidLo2 && d2 < solidHi2) {
                paint(p, x, y, 255);
                continue;
            }
            if (f <= 0.0)
                continue; // hard edges: only the strict inside is drawn
            const double d = std::sqrt(d2);
            int w;
            if (d >= solidHi)
                w = edgeWeight(rOut - d, f);
            else if (d <= solidLo)
                w = edgeWeight(d - rIn, f);
            else
                w = 255;
            paint(p, x, y, w);
        }
    }
}

} // namespace

void DrawAntialiasedDisk(QImage &image, double cx, double cy, double radius, double feather,
                         TColor color)
{
    if (!usable(image) || !finite({cx, cy, radius, feather}) || radius <= 0.0)
        return;
    const Rgb c = rgbOf(color);
    const double f = std::max(feather, 0.0);
    const double inner = radius - f / 2.0;
    const double outer = radius + f / 2.0;
    const Span xs = clipSpan(cx, outer, image.width());
    const Span ys = clipSpan(cy, outer, image.height());
    if (xs.lo > xs.hi || ys.lo > ys.hi)
        return;
    const double outer2 = outer * outer;
    const double inner2 = inner > 0.0 ? inner * inner : -1.0;

    const std::vector<double> dx2 = columnSquares(cx, xs);

    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = ys.lo; y <= ys.hi; ++y) {
        const double dy2 = (y - cy) * (y - cy);
        uchar *row = bits + stride * y;
        const Span cols = rowReach(cx, dy2, outer2, xs);
        for (int x = cols.lo; x <= cols.hi; ++x) {
            const double d2 = dx2[size_t(x - xs.lo)] + dy2;
            if (d2 < inner2) {
                put(row + 3 * x, c);
            } else if (d2 <= outer2 && f > 0.0) {
                blend(row + 3 * x, c, edgeWeight(radius - std::sqrt(d2), f));
            }
        }
    }
}

void DrawAntialiasedCircle(QImage &image, double cx, double cy, double radius, double width,
                           double feather, TColor color)
{
    const Rgb c = rgbOf(color);
    forRing(image, cx, cy, radius, width, feather,
            [c](uchar *p, int, int, int w) { blend(p, c, w); });
}

bool gradientWeights(int arcStart, int arcEnd, std::array<double, 360> &weights)
{
    if (arcStart == arcEnd) {
        if (arcStart < 0 || arcStart >= 360)
            return false;
        for (int i = 0; i < 360; ++i)
            weights[size_t((arcStart + i) % 360)] = i / 359.0;
        return true;
    }
    const int lo = std::min(arcStart, arcEnd);
    const int hi = std::max(arcStart, arcEnd);
    // lo >= 0 keeps every index inside the table.
    if (lo < 0 || lo >= 180 || hi >= lo + 180)
        return false;
    for (int d = lo; d <= hi; ++d) {
        weights[size_t(d)] = 0.0;
        weights[size_t((d + 180) % 360)] = 1.0;
    }
    const double span = double(lo + 180 - hi);
    for (int d = hi + 1; d <= lo + 179; ++d) {
        const double w = (d - hi) / span;
        weights[size_t(d)] = w;
        weights[size_t((d + 180) % 360)] = 1.0 - w;
    }
    return true;
}

void DrawGradientCircle(QImage &image, double cx, double cy, double radius, double width,
                        double feather, TColor colorA, TColor colorB, int arcStart, int arcEnd)
{
    std::array<double, 360> weights;
    if (!gradientWeights(arcStart, arcEnd, weights))
        return;
    const Rgb a = rgbOf(colorA);
    const Rgb b = rgbOf(colorB);
    std::array<Rgb, 360> colours;
    for (size_t i = 0; i < 360; ++i) {
        const int rate = roundToInt(weights[i] * 255.0); // GetMixedColor of A and B
        colours[i] = {mixChannel(a.r, b.r, rate), mixChannel(a.g, b.g, rate), mixChannel(a.b, b.b, rate)};
    }
    forRing(image, cx, cy, radius, width, feather, [&](uchar *p, int x, int y, int w) {
        blend(p, colours[size_t(Calc_Angle(cx, cy, x, y))], w);
    });
}

TColor GetMixedColor(TColor a, TColor b, int rate)
{
    const int r = std::clamp(rate, 0, 255);
    const TColor ca = resolveColor(a);
    const TColor cb = resolveColor(b);
    return RGBColor(mixChannel(redOf(ca), redOf(cb), r), mixChannel(greenOf(ca), greenOf(cb), r),
                    mixChannel(blueOf(ca), blueOf(cb), r));
}

int Calc_Angle(double cx, double cy, int x, int y)
{
    const double dx = x - cx;
    const double dy = cy - y;
    if (dx == 0.0)
        return dy > 0.0 ? 90 : 270;
    if (dy == 0.0)
        return dx > 0.0 ? 0 : 180;
    const int t = roundToInt(std::atan(std::fabs(dy) / std::fabs(dx)) * 180.0 / std::numbers::pi);
    int a;
    if (dx > 0.0 && dy > 0.0)
        a = t;
    else if (dx < 0.0 && dy > 0.0)
        a = 180 - t;
    else if (dx < 0.0)
        a = 180 + t;
    else
        a = 360 - t;
    return ((a % 360) + 360) % 360;
}

QImage CreateRotatedBitmap(const QImage &bitmap, TColor fill, double angle)
{
    const QImage src = bitmap.format() == QImage::Format_RGB888
                           ? bitmap
                           : bitmap.convertToFormat(QImage::Format_RGB888);
    if (src.isNull() || !std::isfinite(angle))
        return src;
    const double turns = angle / 360.0;
    const double a = (turns - std::trunc(turns)) * 360.0;
    const double rad = -a * std::numbers::pi / 180.0;
    const std::int64_t kc = std::int64_t(std::cos(rad) * 65536.0);
    const std::int64_t ks = std::int64_t(std::sin(rad) * 65536.0);
    const std::int64_t w = src.width();
    const std::int64_t h = src.height();
    const int W = int((std::llabs(kc) * w + std::llabs(ks) * h) >> 16);
    const int H = int((std::llabs(ks) * w + std::llabs(kc) * h) >> 16);
    QImage out(std::max(W, 0), std::max(H, 0), QImage::Format_RGB888);
    if (out.isNull())
        return out;
    const Rgb f = rgbOf(fill);
    const std::int64_t xO = W / 2 - ((W % 2 == 0 && (a == 0.0 || a == -90.0)) ? 1 : 0);
    const std::int64_t yO = H / 2 - ((H % 2 == 0 && (a == 0.0 || a == 90.0)) ? 1 : 0);
    for (int r = 0; r < H; ++r) {
        uchar *row = out.scanLine(r);
        const std::int64_t yp = yO - r;
        for (int c = 0; c < W; ++c) {
            const std::int64_t xp = c - (W - 1 - xO);
            const std::int64_t sx = ((xp * kc - yp * ks) >> 16) + w / 2;
            const std::int64_t syUp = ((xp * ks + yp * kc) >> 16) + h / 2; // counted from the bottom
            uchar *p = row + 3 * c;
            if (sx < 0 || sx >= w || syUp < 0 || syUp >= h) {
                put(p, f);
                continue;
            }
            const uchar *s = src.constScanLine(int(h - 1 - syUp)) + 3 * sx;
            p[0] = s[0];
            p[1] = s[1];
            p[2] = s[2];
        }
    }
    return out;
}

namespace {

bool sameShape(const QImage &a, const QImage &b)
{
    return usable(a) && usable(b) && a.size() == b.size();
}

template <class Op>
void rowOp(QImage &dst, const QImage &src, Op op)
{
    if (!sameShape(dst, src))
        return;
    const size_t n = size_t(dst.width()) * 3;
    for (int y = 0; y < dst.height(); ++y)
        op(dst.scanLine(y), src.constScanLine(y), n);
}

} // namespace

void copyPixels(QImage &dst, const QImage &src)
{
    rowOp(dst, src, [](uchar *d, const uchar *s, size_t n) { std::memcpy(d, s, n); });
}

void andPixels(QImage &dst, const QImage &mask)
{
    rowOp(dst, mask, [](uchar *d, const uchar *s, size_t n) {
        for (size_t i = 0; i < n; ++i)
            d[i] &= s[i];
    });
}

void orPixels(QImage &dst, const QImage &src)
{
    rowOp(dst, src, [](uchar *d, const uchar *s, size_t n) {
        for (size_t i = 0; i < n; ++i)
            d[i] |= s[i];
    });
}

QImage circleMask(int side, bool inverted)
{
    QImage mask = newFaceImage(side, inverted ? clWhite : clBlack);
    if (mask.isNull())
        return mask;
    const double c = side / 2.0;
    const double r = (side - 4) / 2.0;
    if (r <= 0.0)
        return mask;
    const uchar inside = inverted ? 0 : 255;
    for (int y = 0; y < side; ++y) {
        uchar *row = mask.scanLine(y);
        for (int x = 0; x < side; ++x) {
            if ((x - c) * (x - c) + (y - c) * (y - c) < r * r)
                std::memset(row + 3 * x, inside, 3);
        }
    }
    return mask;
}

QImage newFaceImage(int side, TColor fill)
{
    if (side <= 0)
        return QImage();
    QImage image(side, side, QImage::Format_RGB888);
    if (image.isNull())
        return image;
    const Rgb c = rgbOf(fill);
    for (int y = 0; y < side; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < side; ++x)
            put(row + 3 * x, c);
    }
    return image;
}
