#include "image/resample.h"

#include <algorithm>
#include <cmath>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

[[maybe_unused]] inline int roundChannel(float v)
{
    // lrint rounds to nearest, halves to even, in the default rounding mode.
    const long r = std::lrint(v);
    return r < 0 ? 0 : (r > 255 ? 255 : int(r));
}

[[maybe_unused]] inline Pixel blendOf(float w00, float w10, float w01, float w11, Pixel p00, Pixel p10, Pixel p01, Pixel p11,
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

#if defined(__SSE2__)
// The four channels side by side: the same float products summed in the same
// order as the scalar form, rounded by cvtps2dq (nearest, halves to even, like
// lrint) and limited to 0..255 by the saturating packs, so both give equal bytes.
inline __m128 channelsOf(Pixel p)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i bytes = _mm_cvtsi32_si128(int(p));
    return _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(bytes, zero), zero));
}

inline Pixel makeColorSse(Pixel p00, Pixel p10, Pixel p01, Pixel p11, float w00, float w10, float w01, float w11)
{
    __m128 sum = _mm_mul_ps(_mm_set1_ps(w00), channelsOf(p00));
    sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(w10), channelsOf(p10)));
    sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(w01), channelsOf(p01)));
    sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(w11), channelsOf(p11)));
    const __m128i rounded = _mm_cvtps_epi32(sum);
    const __m128i words = _mm_packs_epi32(rounded, rounded);
    return Pixel(_mm_cvtsi128_si32(_mm_packus_epi16(words, words)));
}
#endif

inline Pixel makeColor(Pixel p00, Pixel p10, Pixel p01, Pixel p11, float w00, float w10, float w01, float w11)
{
#if defined(__SSE2__)
    return makeColorSse(p00, p10, p01, p11, w00, w10, w01, w11);
#else
    return blendOf(w00, w10, w01, w11, p00, p10, p01, p11, 0) | blendOf(w00, w10, w01, w11, p00, p10, p01, p11, 8)
        | blendOf(w00, w10, w01, w11, p00, p10, p01, p11, 16) | blendOf(w00, w10, w01, w11, p00, p10, p01, p11, 24);
#endif
}

inline Pixel sampleAt(const PixelBuffer &src, double sx, double sy, Pixel blendCol)
{
    if (!(sx > -1.0 && sy > -1.0 && sx < double(src.width) && sy < double(src.height)))
        return 0;
    // Integer parts, -1 for a negative value (the point lies above -1 here).
    const int ix = sx < 0.0 ? -1 : int(sx);
    const int iy = sy < 0.0 ? -1 : int(sy);
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
    // Four equal neighbours weigh out to themselves: the weights sum to one
    // within a few float steps, far from moving any byte by half a unit.
    if (p00 == p10 && p00 == p01 && p00 == p11)
        return p00;
    const float fx = float(sx - double(ix));
    const float fy = float(sy - double(iy));
    const float gx = 1.0f - fx;
    const float gy = 1.0f - fy;
    return makeColor(p00, p10, p01, p11, gx * gy, fx * gy, gx * fy, fx * fy);
}

} // namespace

Pixel MakeColor(Pixel p00, Pixel p10, Pixel p01, Pixel p11, float w00, float w10, float w01, float w11)
{
    return makeColor(p00, p10, p01, p11, w00, w10, w01, w11);
}

Pixel SampleBilinear(const PixelBuffer &src, double sx, double sy, Pixel blendCol)
{
    return sampleAt(src, sx, sy, blendCol);
}

namespace {

// First x in [0, n) where a predicate that turns from false to true along the
// row holds (n if never), searched from a guess so it costs a step or two.
template <class Pred>
int firstWhere(int n, double guess, Pred holds)
{
    int x = std::isfinite(guess) ? int(std::clamp(std::ceil(guess), 0.0, double(n))) : 0;
    while (x > 0 && holds(x - 1))
        --x;
    while (x < n && !holds(x))
        ++x;
    return x;
}

struct Span
{
    int begin, end;
};

// The x of a row where lo < v(x) (or lo <= v(x) with loInclusive) and v(x) < hi,
// for v(x) = (step[x] + rowConst) + half, step[x] = (x - width/2) * slope. Each
// term is rounded monotonically, so v is monotone along the row and the set is
// one interval; it is found exactly with the same arithmetic as the sampling.
Span spanWhere(const std::vector<float> &step, int n, float slope, float rowConst, float half, float halfN, float lo,
               bool loInclusive, float hi)
{
    const auto v = [&](int x) { return (step[std::size_t(x)] + rowConst) + half; };
    const auto aboveLo = [&](int x) { return loInclusive ? v(x) >= lo : v(x) > lo; };
    const auto belowHi = [&](int x) { return v(x) < hi; };
    if (slope == 0.0f || n == 0)
        return (n > 0 && aboveLo(0) && belowHi(0)) ? Span{0, n} : Span{0, 0};
    const auto at = [&](float bound) { return double(halfN) + (double(bound) - rowConst - half) / slope; };
    Span span{0, n};
    if (slope > 0.0f) {
        span.begin = firstWhere(n, at(lo), aboveLo);
        span.end = firstWhere(n, at(hi), [&](int x) { return !belowHi(x); });
    } else {
        span.begin = firstWhere(n, at(hi), belowHi);
        span.end = firstWhere(n, at(lo), [&](int x) { return !aboveLo(x); });
    }
    if (span.end < span.begin)
        span.end = span.begin;
    return span;
}

Span intersect(Span a, Span b)
{
    const Span r{std::max(a.begin, b.begin), std::min(a.end, b.end)};
    return r.end < r.begin ? Span{r.begin, r.begin} : r;
}

// Bilinear sample of a point whose four neighbours are all inside the picture.
inline Pixel sampleInterior(const PixelBuffer &src, float sx, float sy)
{
    const int ix = int(sx);
    const int iy = int(sy);
    const Pixel *r0 = src.row(iy) + ix;
    const Pixel *r1 = r0 + src.width;
    const Pixel p00 = r0[0], p10 = r0[1], p01 = r1[0], p11 = r1[1];
    if (p00 == p10 && p00 == p01 && p00 == p11)
        return p00;
    const float fx = sx - float(ix);
    const float fy = sy - float(iy);
    const float gx = 1.0f - fx;
    const float gy = 1.0f - fy;
    return makeColor(p00, p10, p01, p11, gx * gy, fx * gy, gx * fy, fx * fy);
}

#if defined(__SSE2__)
inline __m128 channelOf(__m128i pixels, int shift)
{
    return _mm_cvtepi32_ps(_mm_and_si128(_mm_srli_epi32(pixels, shift), _mm_set1_epi32(0xFF)));
}

// The weighted sum of one channel of four pixels, in the order makeColor uses.
inline __m128i sumChannel(__m128i p00, __m128i p10, __m128i p01, __m128i p11, __m128 w00, __m128 w10, __m128 w01,
                          __m128 w11, int shift)
{
    __m128 sum = _mm_mul_ps(w00, channelOf(p00, shift));
    sum = _mm_add_ps(sum, _mm_mul_ps(w10, channelOf(p10, shift)));
    sum = _mm_add_ps(sum, _mm_mul_ps(w01, channelOf(p01, shift)));
    sum = _mm_add_ps(sum, _mm_mul_ps(w11, channelOf(p11, shift)));
    return _mm_cvtps_epi32(sum);
}

// Four neighbouring target pixels whose sample points lie in the interior:
// the same arithmetic as sampleInterior, four lanes at a time.
inline void sampleInterior4(const PixelBuffer &src, __m128 sx, __m128 sy, Pixel *out)
{
    const __m128i ix = _mm_cvttps_epi32(sx); // the points are not negative here
    const __m128i iy = _mm_cvttps_epi32(sy);
    alignas(16) std::int32_t xs[4], ys[4];
    _mm_store_si128(reinterpret_cast<__m128i *>(xs), ix);
    _mm_store_si128(reinterpret_cast<__m128i *>(ys), iy);
    alignas(16) Pixel n00[4], n10[4], n01[4], n11[4];
    for (int k = 0; k < 4; ++k) {
        const Pixel *r0 = src.row(ys[k]) + xs[k];
        const Pixel *r1 = r0 + src.width;
        n00[k] = r0[0];
        n10[k] = r0[1];
        n01[k] = r1[0];
        n11[k] = r1[1];
    }
    const __m128i p00 = _mm_load_si128(reinterpret_cast<const __m128i *>(n00));
    const __m128i p10 = _mm_load_si128(reinterpret_cast<const __m128i *>(n10));
    const __m128i p01 = _mm_load_si128(reinterpret_cast<const __m128i *>(n01));
    const __m128i p11 = _mm_load_si128(reinterpret_cast<const __m128i *>(n11));
    const __m128i same = _mm_and_si128(_mm_cmpeq_epi32(p00, p10), _mm_and_si128(_mm_cmpeq_epi32(p00, p01),
                                                                                 _mm_cmpeq_epi32(p00, p11)));
    if (_mm_movemask_epi8(same) == 0xFFFF) { // all four in an even area
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out), p00);
        return;
    }
    const __m128 one = _mm_set1_ps(1.0f);
    const __m128 fx = _mm_sub_ps(sx, _mm_cvtepi32_ps(ix));
    const __m128 fy = _mm_sub_ps(sy, _mm_cvtepi32_ps(iy));
    const __m128 gx = _mm_sub_ps(one, fx);
    const __m128 gy = _mm_sub_ps(one, fy);
    const __m128 w00 = _mm_mul_ps(gx, gy), w10 = _mm_mul_ps(fx, gy);
    const __m128 w01 = _mm_mul_ps(gx, fy), w11 = _mm_mul_ps(fx, fy);
    const __m128i r = sumChannel(p00, p10, p01, p11, w00, w10, w01, w11, 0);
    const __m128i g = sumChannel(p00, p10, p01, p11, w00, w10, w01, w11, 8);
    const __m128i b = sumChannel(p00, p10, p01, p11, w00, w10, w01, w11, 16);
    const __m128i a = sumChannel(p00, p10, p01, p11, w00, w10, w01, w11, 24);
    // Saturating packs give r0..r3 g0..g3 b0..b3 a0..a3; interleave to pixels.
    const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(r, g), _mm_packs_epi32(b, a));
    const __m128i rg = _mm_unpacklo_epi8(bytes, _mm_srli_si128(bytes, 4));
    const __m128i ba = _mm_unpacklo_epi8(_mm_srli_si128(bytes, 8), _mm_srli_si128(bytes, 12));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_unpacklo_epi16(rg, ba));
}
#endif

} // namespace

PixelBuffer MakeRotated(const PixelBuffer &src, double radians, int width, int height, Pixel blendCol)
{
    PixelBuffer out(width, height);
    if (src.isEmpty() || out.isEmpty())
        return out;
    // Single-precision coordinates: a hundred-thousandth of a pixel is far
    // below what a byte of colour can show, and it halves the work.
    const float c = float(std::cos(radians));
    const float s = float(std::sin(radians));
    const float halfW = float(out.width) / 2.0f;
    const float halfH = float(out.height) / 2.0f;
    const float halfSrcW = float(src.width) / 2.0f;
    const float halfSrcH = float(src.height) / 2.0f;
    const float w = float(src.width), h = float(src.height);
    std::vector<float> dxc(std::size_t(out.width)), dxs(std::size_t(out.width));
    for (int x = 0; x < out.width; ++x) {
        const float dx = float(x) - halfW;
        dxc[std::size_t(x)] = dx * c;
        dxs[std::size_t(x)] = dx * s;
    }
    for (int y = 0; y < out.height; ++y) {
        const float dy = halfH - float(y);
        const float rowX = dy * s;    // sx = (dx cos a + dy sin a) + w/2
        const float rowY = -(dy * c); // sy = (dx sin a - dy cos a) + h/2
        // Where the point lies inside the picture, and where all four of its
        // neighbours do; the rest of the row stays transparent.
        const Span inside = intersect(spanWhere(dxc, out.width, c, rowX, halfSrcW, halfW, -1.0f, false, w),
                                      spanWhere(dxs, out.width, s, rowY, halfSrcH, halfW, -1.0f, false, h));
        const Span core = intersect(inside, intersect(spanWhere(dxc, out.width, c, rowX, halfSrcW, halfW, 0.0f, true, w - 1.0f),
                                                      spanWhere(dxs, out.width, s, rowY, halfSrcH, halfW, 0.0f, true, h - 1.0f)));
        const Span head{inside.begin, core.end > core.begin ? core.begin : inside.end};
        const Span tail{core.end > core.begin ? core.end : inside.end, inside.end};
        Pixel *line = out.row(y);
        const auto sxAt = [&](int x) { return (dxc[std::size_t(x)] + rowX) + halfSrcW; };
        const auto syAt = [&](int x) { return (dxs[std::size_t(x)] + rowY) + halfSrcH; };
        for (int x = head.begin; x < head.end; ++x)
            line[x] = sampleAt(src, double(sxAt(x)), double(syAt(x)), blendCol);
        int x = core.begin;
#if defined(__SSE2__)
        const __m128 rowX4 = _mm_set1_ps(rowX), rowY4 = _mm_set1_ps(rowY);
        const __m128 halfSrcW4 = _mm_set1_ps(halfSrcW), halfSrcH4 = _mm_set1_ps(halfSrcH);
        for (; x + 4 <= core.end; x += 4) {
            const __m128 sx = _mm_add_ps(_mm_add_ps(_mm_loadu_ps(&dxc[std::size_t(x)]), rowX4), halfSrcW4);
            const __m128 sy = _mm_add_ps(_mm_add_ps(_mm_loadu_ps(&dxs[std::size_t(x)]), rowY4), halfSrcH4);
            sampleInterior4(src, sx, sy, line + x);
        }
#endif
        for (; x < core.end; ++x)
            line[x] = sampleInterior(src, sxAt(x), syAt(x));
        for (int x = tail.begin; x < tail.end; ++x)
            line[x] = sampleAt(src, double(sxAt(x)), double(syAt(x)), blendCol);
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
            line[x] = sampleAt(src, double(x) / fx, sy, blendCol);
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
            line[au] = sampleAt(src, double(ax), double(src.height - 1) - double(ay), blendCol);
        }
    }
    return out;
}
