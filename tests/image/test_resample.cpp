// Bilinear sampling, turning, scaling and custom mapping of pixel buffers.
#include "image/imagegeometry.h"
#include "image/resample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr Pixel kBlendCol = MakePixel(10, 20, 30, 0);
constexpr Pixel kP00 = MakePixel(0, 100, 200, 255);
constexpr Pixel kP10 = MakePixel(100, 100, 0, 255);
constexpr Pixel kP01 = MakePixel(200, 0, 100, 255);
constexpr Pixel kP11 = MakePixel(40, 80, 120, 255);

PixelBuffer TwoByTwo()
{
    PixelBuffer b(2, 2);
    b.at(0, 0) = kP00;
    b.at(1, 0) = kP10;
    b.at(0, 1) = kP01;
    b.at(1, 1) = kP11;
    return b;
}

struct SampleCase
{
    double sx, sy;
    Pixel expected;
};

TEST(ImageSample, BilinearOfTwoByTwoIsExact)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const SampleCase cases[] = {
        {0, 0, kP00},
        {1, 0, kP10},
        {0, 1, kP01},
        {1, 1, kP11},
        {0.5, 0.5, MakePixel(85, 70, 105, 255)},
        {0.25, 0, MakePixel(25, 100, 150, 255)},
        {0, 0.75, MakePixel(150, 25, 125, 255)},
        // A neighbour beyond the last column counts as the blend colour; alpha
        // 127.5 rounds to the even 128.
        {1.5, 0.5, MakePixel(40, 55, 45, 128)},
        // Negative coordinates above -1 take the blend colour from column -1.
        {-0.5, 0, MakePixel(5, 60, 115, 128)},
        {0, -0.25, MakePixel(2, 80, 158, 191)},
        // Outside the picture: fully transparent, not the blend colour.
        {-1, 0, 0},
        {0, -1, 0},
        {2, 0, 0},
        {0, 2, 0},
        {nan, 0, 0},
        {0, std::numeric_limits<double>::infinity(), 0},
    };
    const PixelBuffer src = TwoByTwo();
    for (const auto &c : cases)
        EXPECT_EQ(SampleBilinear(src, c.sx, c.sy, kBlendCol), c.expected) << "at " << c.sx << "," << c.sy;
}

TEST(ImageSample, MakeColorRoundsHalvesToEven)
{
    const Pixel a = MakePixel(1, 2, 0, 254);
    const Pixel b = MakePixel(2, 3, 255, 255);
    // 1.5 -> 2, 2.5 -> 2, 127.5 -> 128, 254.5 -> 254
    EXPECT_EQ(MakeColor(a, b, 0, 0, 0.5f, 0.5f, 0, 0), MakePixel(2, 2, 128, 254));
}

TEST(ImageSample, MakeColorIsTheRoundedWeightedSumOfEachByte)
{
    // Byte order, rounding and limits of the packed form against the plain formula.
    std::uint32_t seed = 12345;
    const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int i = 0; i < 20000; ++i) {
        const Pixel p[4] = {next(), next(), next(), next()};
        float w[4];
        float total = 0;
        for (float &v : w)
            total += v = float(next() >> 8) / float(1 << 24);
        if (i % 3 == 0) // weights that sum to one, as sampling gives
            for (float &v : w)
                v /= total;
        const Pixel got = MakeColor(p[0], p[1], p[2], p[3], w[0], w[1], w[2], w[3]);
        for (int shift = 0; shift < 32; shift += 8) {
            const float sum = w[0] * float((p[0] >> shift) & 0xFF) + w[1] * float((p[1] >> shift) & 0xFF)
                + w[2] * float((p[2] >> shift) & 0xFF) + w[3] * float((p[3] >> shift) & 0xFF);
            const long expected = std::clamp(std::lrint(sum), 0L, 255L);
            ASSERT_EQ(long((got >> shift) & 0xFF), expected) << "case " << i << " byte " << shift / 8;
        }
    }
}

TEST(ImageRotate, QuarterTurnIsCounterClockwise)
{
    // 3 x 2 picture; at 90 degrees its right column comes to the top.
    PixelBuffer src(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            src.at(x, y) = MakePixel(x, y, 9, 255);
    const double rad = DegreesToRadians(90);
    const int w = RotatedWidth(3, 2, rad), h = RotatedHeight(3, 2, rad);
    ASSERT_EQ(w, 2);
    ASSERT_EQ(h, 3);
    const PixelBuffer out = MakeRotated(src, rad, w, h, kBlendCol);
    ASSERT_EQ(out.width, 2);
    ASSERT_EQ(out.height, 3);
    for (int x = 0; x < 2; ++x) {
        // Row 0 maps to sx = 3, just past the picture; rows 1 and 2 to columns 2 and 1.
        EXPECT_EQ(out.at(x, 0), 0u) << x;
        EXPECT_EQ(out.at(x, 1), src.at(2, x)) << x;
        EXPECT_EQ(out.at(x, 2), src.at(1, x)) << x;
    }
}

TEST(ImageRotate, EveryPixelFollowsTheMappingFormula)
{
    // Noise, so any misplaced or mis-weighted sample shows; the turning works
    // in single precision, so a byte may differ by one from the double formula.
    PixelBuffer src(37, 23);
    std::uint32_t seed = 99;
    for (Pixel &p : src.pixels)
        p = seed = seed * 1664525u + 1013904223u;
    for (double degrees : {1.0, 30.0, 37.0, 89.9, 90.0, 135.0, 180.0, 200.5, 270.0, 333.0}) {
        const double a = DegreesToRadians(degrees);
        const int w = RotatedWidth(src.width, src.height, a), h = RotatedHeight(src.width, src.height, a);
        const PixelBuffer out = MakeRotated(src, a, w, h, kBlendCol);
        int worst = 0, transparentMismatch = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const double dx = x - w / 2.0, dy = h / 2.0 - y;
                const double sx = dx * std::cos(a) + dy * std::sin(a) + src.width / 2.0;
                const double sy = dx * std::sin(a) - dy * std::cos(a) + src.height / 2.0;
                const Pixel expected = SampleBilinear(src, sx, sy, kBlendCol);
                const Pixel got = out.at(x, y);
                // Exactly on the picture's border the two precisions may disagree
                // on inside or outside; elsewhere they must agree byte for byte (±1).
                if ((expected == 0) != (got == 0)) {
                    const auto nearEdge = [](double v, double size) {
                        return std::abs(v + 1) < 1e-4 || std::abs(v - size) < 1e-4;
                    };
                    if (!nearEdge(sx, src.width) && !nearEdge(sy, src.height))
                        ++transparentMismatch;
                    continue;
                }
                for (int shift = 0; shift < 32; shift += 8)
                    worst = std::max(worst, std::abs(int((got >> shift) & 0xFF) - int((expected >> shift) & 0xFF)));
            }
        EXPECT_LE(worst, 1) << degrees;
        EXPECT_EQ(transparentMismatch, 0) << degrees;
    }
}

// A 40 x 40 picture, transparent but for an opaque 10 x 10 square at its centre.
PixelBuffer SquareOnTransparent(Pixel square)
{
    PixelBuffer src(40, 40, kBlendCol);
    for (int y = 15; y < 25; ++y)
        for (int x = 15; x < 25; ++x)
            src.at(x, y) = square;
    return src;
}

TEST(ImageRotate, TransparencySurvivesTurningAndEdgesFadeToBlendColour)
{
    const Pixel square = MakePixel(250, 120, 0, 255);
    const PixelBuffer src = SquareOnTransparent(square);
    const double rad = DegreesToRadians(37);
    const int w = RotatedWidth(40, 40, rad), h = RotatedHeight(40, 40, rad);
    const PixelBuffer out = MakeRotated(src, rad, w, h, kBlendCol);
    int partly = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Pixel p = out.at(x, y);
            const double r = std::hypot(x - w / 2.0, y - h / 2.0);
            if (r > 9.0 && r < 19.0) { // clear of the square and of the picture's edge
                EXPECT_EQ(p, kBlendCol) << x << "," << y;
            } else if (r < 3.5) {
                EXPECT_EQ(p, square) << x << "," << y;
            }
            const int a = pixelAlpha(p);
            if (a > 0 && a < 255 && r < 9.0) {
                ++partly;
                // Colour channels lie between the square's and the blend colour's.
                EXPECT_GE(pixelRed(p), 10);
                EXPECT_LE(pixelRed(p), 250);
                EXPECT_GE(pixelGreen(p), 20);
                EXPECT_LE(pixelGreen(p), 120);
                EXPECT_LE(pixelBlue(p), 30);
            }
        }
    EXPECT_GT(partly, 20); // a turned square has soft edges all round
}

TEST(ImageRotate, FullyTransparentPictureStaysTransparent)
{
    const PixelBuffer src(30, 20, kBlendCol);
    const double rad = DegreesToRadians(123.4);
    const PixelBuffer out = MakeRotated(src, rad, RotatedWidth(30, 20, rad), RotatedHeight(30, 20, rad), kBlendCol);
    ASSERT_FALSE(out.isEmpty());
    for (const Pixel p : out.pixels)
        ASSERT_EQ(pixelAlpha(p), 0);
}

TEST(ImageRotate, EmptyInputGivesNothingToDraw)
{
    for (const Pixel p : MakeRotated(PixelBuffer(), 1.0, 10, 10, kBlendCol).pixels)
        EXPECT_EQ(p, 0u);
    EXPECT_TRUE(MakeRotated(TwoByTwo(), 1.0, 0, 10, kBlendCol).isEmpty());
}

TEST(ImageStretch, DoublingSamplesHalfwayPoints)
{
    const PixelBuffer out = MakeStretched(TwoByTwo(), 4, 4, kBlendCol);
    ASSERT_EQ(out.width, 4);
    ASSERT_EQ(out.height, 4);
    const PixelBuffer src = TwoByTwo();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(out.at(x, y), SampleBilinear(src, x / 2.0, y / 2.0, kBlendCol)) << x << "," << y;
    EXPECT_EQ(out.at(0, 0), kP00);
    EXPECT_EQ(out.at(2, 2), kP11);
    EXPECT_EQ(out.at(3, 0), MakePixel(55, 60, 15, 128)); // half the last pixel, half the blend colour
}

TEST(ImageCustomMapping, UntouchedMappingShowsPictureUpright)
{
    const PixelBuffer src = TwoByTwo();
    const auto identity = [](std::uint16_t, std::uint16_t, float &, float &) {};
    const PixelBuffer same = MakeCustomMapping(src, 2, 2, identity, kBlendCol);
    EXPECT_EQ(same.pixels, src.pixels);

    // Twice the size: the bottom row (av 0) samples the picture's bottom row.
    const PixelBuffer big = MakeCustomMapping(src, 4, 4, identity, kBlendCol);
    EXPECT_EQ(big.at(0, 3), kP01);
    EXPECT_EQ(big.at(2, 3), kP11);
    EXPECT_EQ(big.at(0, 0), SampleBilinear(src, 0, -0.5, kBlendCol)); // ay 1.5: above the top row
}

TEST(ImageCustomMapping, HandlerMovesThePointAndSeesEveryPixel)
{
    const PixelBuffer src = TwoByTwo();
    int calls = 0;
    // Mirror left to right.
    const auto mirror = [&calls](std::uint16_t, std::uint16_t, float &ax, float &) {
        ++calls;
        ax = 1.0f - ax;
    };
    const PixelBuffer out = MakeCustomMapping(src, 2, 2, mirror, kBlendCol);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(out.at(0, 0), kP10);
    EXPECT_EQ(out.at(1, 1), kP01);

    const auto away = [](std::uint16_t, std::uint16_t, float &ax, float &ay) {
        ax += 5.0f;
        ay = std::numeric_limits<float>::quiet_NaN();
    };
    for (const Pixel p : MakeCustomMapping(src, 3, 3, away, kBlendCol).pixels)
        EXPECT_EQ(p, 0u);
    EXPECT_EQ(MakeCustomMapping(src, 3, 3, nullptr, kBlendCol).pixels, std::vector<Pixel>(9, 0u));
}

} // namespace
