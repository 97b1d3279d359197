// Pixel primitives where the formula is the contract: exact values.
#include "knob/aaprimitives.h"
#include "knob/tsmoothline.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

QImage filled(int w, int h, TColor c)
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(toQColor(c));
    return image;
}

std::tuple<int, int, int> px(const QImage &image, int x, int y)
{
    const uchar *p = image.constScanLine(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

std::tuple<int, int, int> grey(int v) { return {v, v, v}; }

} // namespace

TEST(AaPrimitives, DiskEdgeWeights)
{
    QImage image = filled(9, 9, clBlack);
    DrawAntialiasedDisk(image, 4, 4, 2.0, 1.4, clWhite);
    EXPECT_EQ(px(image, 4, 4), grey(255)); // inside the inner edge
    EXPECT_EQ(px(image, 6, 4), grey(128)); // on the radius: 127.5 rounds to the even 128
    EXPECT_EQ(px(image, 6, 5), grey(85));  // distance sqrt 5: w = 84.50
    EXPECT_EQ(px(image, 5, 5), grey(234)); // distance sqrt 2: w = 234.20
    EXPECT_EQ(px(image, 7, 4), grey(0));   // beyond the outer edge
    EXPECT_EQ(px(image, 0, 0), grey(0));
}

TEST(AaPrimitives, DiskBlendsOverTheBackground)
{
    QImage image = filled(9, 9, RGBColor(100, 50, 200));
    DrawAntialiasedDisk(image, 4, 4, 2.0, 1.4, RGBColor(0, 255, 0));
    EXPECT_EQ(px(image, 6, 4), std::make_tuple(50, 153, 100)); // weight 128 of 255
}

TEST(AaPrimitives, ShapesAreClippedToTheImage)
{
    // Centres outside and shapes larger than the image: no write outside the
    // buffer (the sanitizer build checks), and the visible part is drawn.
    QImage image = filled(5, 4, clBlack);
    DrawAntialiasedDisk(image, -3, 2, 5.0, 1.0, clWhite);
    DrawAntialiasedCircle(image, 100, 100, 3.0, 1.0, 1.0, clWhite);
    DrawGradientCircle(image, 2, 2, 40.0, 30.0, 1.0, clWhite, clBlack, 0, 90);
    DrawAntialiasedDisk(image, 2, 2, 1e9, 1.0, clWhite);
    EXPECT_EQ(px(image, 4, 3), grey(255));
    QImage empty;
    DrawAntialiasedDisk(empty, 0, 0, 3, 1, clWhite);
    TSmoothLine line;
    line.SetProp(clWhite, true, TSmoothLine::psSolid, TSmoothLine::pmCopy, 8);
    line.Line2(image, -50, -50, 500, 400);
    QImage before = image.copy();
    line.Line2(image, -50, -50, -40, -40); // wholly outside
    EXPECT_EQ(image, before);
}

TEST(AaPrimitives, ZeroFeatherDrawsHardEdgesWithoutDividingByZero)
{
    QImage image = filled(9, 9, clBlack);
    DrawAntialiasedDisk(image, 4, 4, 2.0, 0.0, clWhite);
    EXPECT_EQ(px(image, 5, 5), grey(255));
    EXPECT_EQ(px(image, 6, 4), grey(0)); // exactly on the radius: not inside
    QImage ring = filled(9, 9, clBlack);
    DrawAntialiasedCircle(ring, 4, 4, 3.0, 2.0, 0.0, clWhite);
    EXPECT_EQ(px(ring, 7, 4), grey(255));
    EXPECT_EQ(px(ring, 4, 4), grey(0));
}

TEST(AaPrimitives, RingEdges)
{
    // Ring radius 4, width 2, feather 1: inner zone 2.5..3.5, outer 4.5..5.5.
    QImage image = filled(13, 13, clBlack);
    DrawAntialiasedCircle(image, 6, 6, 4.0, 2.0, 1.0, clWhite);
    EXPECT_EQ(px(image, 10, 6), grey(255)); // distance 4: solid
    EXPECT_EQ(px(image, 11, 6), grey(128)); // distance 5: on the outer edge
    EXPECT_EQ(px(image, 9, 6), grey(128));  // distance 3: on the inner edge
    EXPECT_EQ(px(image, 6, 6), grey(0));
    EXPECT_EQ(px(image, 12, 6), grey(0));
    // The feather is limited to the width: a feather of 5 on width 1 behaves as 1.
    QImage wide = filled(13, 13, clBlack);
    DrawAntialiasedCircle(wide, 6, 6, 4.0, 1.0, 5.0, clWhite);
    EXPECT_EQ(px(wide, 10, 6), grey(255));
    EXPECT_EQ(px(wide, 12, 6), grey(0));
}

TEST(AaPrimitives, MixedColor)
{
    const struct {
        TColor a, b;
        int rate;
        TColor out;
    } rows[] = {
        {clBlack, clWhite, 128, RGBColor(128, 128, 128)},
        {clBlack, clWhite, 0, clBlack},
        {clBlack, clWhite, 255, clWhite},
        {RGBColor(10, 20, 30), RGBColor(200, 100, 0), 64, RGBColor(58, 40, 22)},
        {RGBColor(10, 20, 30), RGBColor(200, 100, 0), 300, RGBColor(200, 100, 0)},
        {RGBColor(10, 20, 30), RGBColor(200, 100, 0), -4, RGBColor(10, 20, 30)},
    };
    for (const auto &r : rows)
        EXPECT_EQ(GetMixedColor(r.a, r.b, r.rate), r.out) << r.rate;
}

TEST(AaPrimitives, CalcAngle)
{
    const struct {
        int x, y, angle;
    } rows[] = {{20, 10, 0},   {10, 0, 90},   {10, 20, 270}, {0, 10, 180}, {10, 10, 270},
                {11, 9, 45},   {9, 9, 135},   {9, 11, 225},  {11, 11, 315}, {12, 9, 27},
                {12, 11, 333}, {8, 9, 153},   {8, 11, 207}};
    for (const auto &r : rows)
        EXPECT_EQ(Calc_Angle(10, 10, r.x, r.y), r.angle) << r.x << "," << r.y;
}

TEST(AaPrimitives, GradientWeights)
{
    std::array<double, 360> w{};
    ASSERT_TRUE(gradientWeights(30, 120, w));
    EXPECT_EQ(w[30], 0.0);
    EXPECT_EQ(w[120], 0.0);
    EXPECT_EQ(w[210], 1.0);
    EXPECT_EQ(w[300], 1.0);
    EXPECT_DOUBLE_EQ(w[121], 1.0 / 90);
    EXPECT_DOUBLE_EQ(w[209], 89.0 / 90);
    EXPECT_DOUBLE_EQ(w[301], 89.0 / 90);
    EXPECT_DOUBLE_EQ(w[0], 1.0 / 3); // opposite of 180, which is 60/90 from the arc
    EXPECT_TRUE(gradientWeights(120, 30, w)) << "start and end in either order";

    ASSERT_TRUE(gradientWeights(10, 10, w)); // a full turn from start
    EXPECT_EQ(w[10], 0.0);
    EXPECT_DOUBLE_EQ(w[11], 1.0 / 359);
    EXPECT_DOUBLE_EQ(w[9], 1.0);

    for (auto [s, e] : {std::pair{200, 250}, {10, 190}, {-5, 10}, {360, 360}, {-1, -1}})
        EXPECT_FALSE(gradientWeights(s, e, w)) << s << ".." << e;
}

TEST(AaPrimitives, GradientCircleColoursByDirection)
{
    QImage image = filled(41, 41, clBlack);
    const TColor a = RGBColor(200, 0, 0), b = RGBColor(0, 0, 200);
    DrawGradientCircle(image, 20, 20, 15.0, 3.0, 1.0, a, b, 0, 90);
    EXPECT_EQ(px(image, 35, 20), std::make_tuple(200, 0, 0)); // 0 degrees: in the arc
    EXPECT_EQ(px(image, 20, 5), std::make_tuple(200, 0, 0));  // 90
    EXPECT_EQ(px(image, 5, 20), std::make_tuple(0, 0, 200));  // 180: opposite
    EXPECT_EQ(px(image, 20, 35), std::make_tuple(0, 0, 200)); // 270
    EXPECT_EQ(px(image, 9, 9), std::make_tuple(100, 0, 100)); // 135: halfway, rate 128
    QImage untouched = filled(41, 41, clBlack);
    DrawGradientCircle(untouched, 20, 20, 15.0, 3.0, 1.0, a, b, 200, 250);
    EXPECT_EQ(untouched, filled(41, 41, clBlack));
}

TEST(AaPrimitives, SmoothLineIntensity)
{
    const struct {
        double width, distance;
        int intensity;
    } rows[] = {{2, 0, 255}, {2, 0.5, 255}, {2, 1.0, 180}, {2, 1.5, 58}, {2, 2.0, 0}, {2, 2.5, 0}, {8, 3.5, 255}, {8, 4.0, 180}};
    for (const auto &r : rows)
        EXPECT_EQ(TSmoothLine::intensity(r.width, r.distance), r.intensity) << r.width << "/" << r.distance;
    EXPECT_DOUBLE_EQ(TSmoothLine::segmentDistance(3, 4, 0, 0, 0, 0), 5.0);
    EXPECT_DOUBLE_EQ(TSmoothLine::segmentDistance(5, 3, 0, 0, 10, 0), 3.0);
    EXPECT_DOUBLE_EQ(TSmoothLine::segmentDistance(13, 4, 0, 0, 10, 0), 5.0); // beyond an end
}

TEST(AaPrimitives, SmoothLinePixels)
{
    QImage image = filled(20, 20, clWhite);
    TSmoothLine line;
    line.SetProp(clBlack, true, TSmoothLine::psSolid, TSmoothLine::pmCopy, 2.0);
    line.Line2(image, 5, 10, 15, 10);
    EXPECT_EQ(px(image, 10, 10), grey(0));
    EXPECT_EQ(px(image, 10, 11), grey(74)); // distance 1: I = 180, (75 x 255) / 256
    EXPECT_EQ(px(image, 16, 10), grey(74)); // round end
    EXPECT_EQ(px(image, 10, 12), grey(255)); // I = 0: untouched
    EXPECT_EQ(px(image, 17, 10), grey(255));
    EXPECT_EQ(px(image, 2, 2), grey(255));
}

TEST(AaPrimitives, RotatedBitmap)
{
    // A 2 x 3 picture with a distinct grey level per pixel.
    QImage src(2, 3, QImage::Format_RGB888);
    auto level = [](int x, int y) { return 10 * (y + 1) + x; };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            std::fill_n(src.scanLine(y) + 3 * x, 3, uchar(level(x, y)));

    const QImage same = CreateRotatedBitmap(src, clWhite, 0);
    ASSERT_EQ(same.size(), QSize(2, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(px(same, x, y), grey(level(x, y))) << "0 degrees " << x << "," << y;

    // +90 turns counter-clockwise: the right column becomes the top row.
    const QImage ccw = CreateRotatedBitmap(src, clWhite, 90);
    ASSERT_EQ(ccw.size(), QSize(3, 2));
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(px(ccw, c, 0), grey(level(1, c))) << "90 degrees col " << c;
        EXPECT_EQ(px(ccw, c, 1), grey(level(0, c))) << "90 degrees col " << c;
    }
    // -90 turns clockwise: the left column, bottom up, becomes the top row.
    const QImage cw = CreateRotatedBitmap(src, clWhite, -90);
    ASSERT_EQ(cw.size(), QSize(3, 2));
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(px(cw, c, 0), grey(level(0, 2 - c))) << "-90 degrees col " << c;
        EXPECT_EQ(px(cw, c, 1), grey(level(1, 2 - c))) << "-90 degrees col " << c;
    }
    // 540 reduces to 180.
    const QImage half = CreateRotatedBitmap(src, clWhite, 540);
    ASSERT_EQ(half.size(), QSize(2, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(px(half, x, y), grey(level(1 - x, 2 - y))) << "180 degrees " << x << "," << y;

    // 45 degrees grows the picture; the corners are uncovered and take the fill.
    const QImage square = filled(10, 10, clBlack);
    const QImage turned = CreateRotatedBitmap(square, RGBColor(1, 2, 3), 45);
    EXPECT_EQ(turned.size(), QSize(14, 14));
    EXPECT_EQ(px(turned, 0, 0), std::make_tuple(1, 2, 3));
}

TEST(AaPrimitives, CircleMaskAndRasterOps)
{
    const QImage mask = circleMask(10, false);
    EXPECT_EQ(px(mask, 5, 5), grey(255));
    EXPECT_EQ(px(mask, 2, 5), grey(0)); // distance 3 = radius: outside
    EXPECT_EQ(px(mask, 3, 5), grey(255));
    EXPECT_EQ(px(mask, 0, 0), grey(0));
    const QImage outer = circleMask(10, true);
    EXPECT_EQ(px(outer, 5, 5), grey(0));
    EXPECT_EQ(px(outer, 0, 0), grey(255));

    QImage picture = filled(10, 10, RGBColor(90, 160, 30));
    andPixels(picture, mask);
    EXPECT_EQ(px(picture, 0, 0), grey(0));
    EXPECT_EQ(px(picture, 5, 5), std::make_tuple(90, 160, 30));
    QImage background = filled(10, 10, RGBColor(7, 8, 9));
    andPixels(background, outer);
    orPixels(picture, background);
    EXPECT_EQ(px(picture, 0, 0), std::make_tuple(7, 8, 9));
    EXPECT_EQ(px(picture, 5, 5), std::make_tuple(90, 160, 30));
    QImage other = filled(3, 3, clWhite);
    orPixels(other, picture); // different sizes: nothing happens
    EXPECT_EQ(other, filled(3, 3, clWhite));
}
