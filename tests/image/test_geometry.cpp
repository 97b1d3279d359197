// Angles, sizes, placement and the blend formula of the rotatable image.
#include "image/compose.h"
#include "image/imagegeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

struct AngleCase
{
    double given;
    double reduced;
};

TEST(ImageAngle, ReducesIntoZeroTo360)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const AngleCase cases[] = {
        {0.0, 0.0},     {90.0, 90.0},   {450.0, 90.0},  {-90.0, 270.0}, {360.0, 0.0},    {720.0, 0.0},
        {-720.0, 0.0},  {-360.0, 0.0},  {359.5, 359.5}, {-0.5, 359.5},  {1080.25, 0.25}, {-1e-20, 0.0},
        {nan, 0.0},     {inf, 0.0},     {-inf, 0.0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(ReduceAngle(c.given), c.reduced) << "angle " << c.given;
}

TEST(ImageAngle, HugeAnglesReduceWithoutLooping)
{
    for (double a : {1e20, -1e20, 1e300, -1e300}) {
        const double r = ReduceAngle(a);
        EXPECT_GE(r, 0.0) << a;
        EXPECT_LT(r, 360.0) << a;
    }
}

TEST(ImageAngle, RadiansOfReducedAngle)
{
    EXPECT_DOUBLE_EQ(DegreesToRadians(90.0), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(DegreesToRadians(ReduceAngle(-90.0)), 3 * std::numbers::pi / 2);
}

struct RotatedSizeCase
{
    int w, h;
    double degrees;
    int rw, rh;
};

TEST(ImageGeometry, RotatedSizeRoundsUp)
{
    const RotatedSizeCase cases[] = {
        {100, 50, 0, 100, 50},   {100, 50, 90, 50, 100},  {100, 50, 45, 107, 107}, {100, 50, 180, 100, 50},
        {100, 50, 270, 50, 100}, {100, 50, 30, 112, 94},  {120, 120, 37, 169, 169}, {105, 105, 90, 105, 105},
        {1, 1, 45, 2, 2},        {0, 50, 45, 0, 0},       {50, 0, 45, 0, 0},
    };
    for (const auto &c : cases) {
        const double rad = DegreesToRadians(c.degrees);
        EXPECT_EQ(RotatedWidth(c.w, c.h, rad), c.rw) << c.w << "x" << c.h << " at " << c.degrees;
        EXPECT_EQ(RotatedHeight(c.w, c.h, rad), c.rh) << c.w << "x" << c.h << " at " << c.degrees;
    }
}

struct StretchCase
{
    QSize rotated, client;
    bool stretch, proportional;
    bool needs;
    QSize result;
};

TEST(ImageGeometry, StretchedSizeShrinksButNeverEnlarges)
{
    const StretchCase cases[] = {
        {{200, 100}, {100, 100}, false, true, true, {100, 50}},
        {{100, 300}, {100, 100}, false, true, true, {33, 100}},
        {{120, 90}, {100, 100}, false, true, true, {100, 75}},
        {{170, 170}, {105, 105}, false, true, true, {105, 105}},
        {{50, 50}, {100, 100}, false, true, false, {50, 50}},   // fits: kept
        {{100, 100}, {100, 100}, false, true, false, {100, 100}},
        {{150, 80}, {100, 100}, false, false, false, {150, 80}}, // no mode: turned size
        {{50, 50}, {100, 80}, true, false, true, {100, 80}},    // stretch: client size
        {{50, 50}, {100, 80}, true, true, true, {100, 80}},
        {{0, 0}, {105, 105}, false, true, false, {0, 0}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(NeedsStretch(c.rotated, c.client, c.stretch, c.proportional), c.needs)
            << c.rotated.width() << "x" << c.rotated.height();
        EXPECT_EQ(StretchedSize(c.rotated, c.client, c.stretch, c.proportional), c.result)
            << c.rotated.width() << "x" << c.rotated.height() << " in " << c.client.width() << "x"
            << c.client.height();
    }
}

TEST(ImageGeometry, CenterOffsetTruncatesTowardZero)
{
    EXPECT_EQ(CenterOffset({105, 105}, {170, 170}, true), QPoint(-32, -32));
    EXPECT_EQ(CenterOffset({120, 120}, {169, 169}, true), QPoint(-24, -24));
    EXPECT_EQ(CenterOffset({105, 105}, {50, 51}, true), QPoint(27, 27));
    EXPECT_EQ(CenterOffset({105, 105}, {170, 170}, false), QPoint(0, 0));
}

TEST(ImageBlend, ChannelIsRoundedBlendOverBeneath)
{
    for (int b = 0; b < 256; b += 3)
        for (int c = 0; c < 256; c += 5)
            for (int a = 0; a < 256; ++a) {
                const long expected = std::lround(b + (c - b) * a / 255.0);
                ASSERT_EQ(BlendChannel(b, c, a), expected) << "beneath " << b << " colour " << c << " alpha " << a;
            }
}

TEST(ImageBlend, PixelLeavesReplacesOrMixes)
{
    const QRgb beneath = qRgb(100, 150, 200);
    EXPECT_EQ(BlendPixel(beneath, MakePixel(1, 2, 3, 0)), beneath);
    EXPECT_EQ(BlendPixel(beneath, MakePixel(1, 2, 3, 255)), qRgb(1, 2, 3));
    EXPECT_EQ(BlendPixel(beneath, MakePixel(200, 50, 200, 128)), qRgb(150, 100, 200));
}

TEST(ImageBlend, BufferIsClippedToTheSurface)
{
    // A 4x4 buffer of distinct opaque pixels, placed partly outside a 3x3 surface.
    PixelBuffer buffer(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            buffer.at(x, y) = MakePixel(10 * x, 10 * y, 7, 255);
    for (const QPoint offset : {QPoint(-2, -1), QPoint(2, 1), QPoint(-5, 0), QPoint(0, 3)}) {
        QImage surface(3, 3, QImage::Format_RGB32);
        surface.fill(qRgb(1, 1, 1));
        BlendBuffer(surface, buffer, offset);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) {
                const int bx = x - offset.x(), by = y - offset.y();
                const bool covered = bx >= 0 && by >= 0 && bx < 4 && by < 4;
                const QRgb expected = covered ? qRgb(10 * bx, 10 * by, 7) : qRgb(1, 1, 1);
                EXPECT_EQ(surface.pixel(x, y), expected) << "offset " << offset.x() << "," << offset.y() << " at "
                                                         << x << "," << y;
            }
    }
}

} // namespace
