#include "gauge/gaugegeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct GeometryCase {
    const char *what;
    TStyle style;
    int W, H, M, angle;
    int cx, cy, R, drawnAngle;
    double A;
};

class GeometryTable : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(GeometryTable, PivotRadiusAndStart)
{
    const GeometryCase &c = GetParam();
    const GaugeGeometry g = gaugeGeometry(c.style, c.W, c.H, c.M, c.angle);
    EXPECT_EQ(g.cx, c.cx) << c.what;
    EXPECT_EQ(g.cy, c.cy) << c.what;
    EXPECT_EQ(g.R, c.R) << c.what;
    EXPECT_DOUBLE_EQ(g.A, c.A) << c.what;
    EXPECT_EQ(g.angle, c.drawnAngle) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Styles, GeometryTable,
    ::testing::Values(
        // 128x128 airspeed dial at K = 2.
        GeometryCase{"round 300", CenterStyle, 256, 256, 12, 300, 128, 128, 116, 300, -60.0},
        // 82x55 volt meter at K = 2: R = Round(74 / cos 10) = 75, under H - 2M = 94.
        GeometryCase{"flat 160", CenterStyle, 164, 110, 8, 160, 82, 92, 75, 160, 10.0},
        // Narrow angle: the radius is capped by the height.
        GeometryCase{"capped 30", CenterStyle, 200, 100, 10, 30, 100, 90, 80, 30, 75.0},
        // Exactly 180 uses the half-width radius and the middle height.
        GeometryCase{"half 180", CenterStyle, 120, 90, 5, 180, 60, 45, 55, 180, 0.0},
        // Odd width: the integer pivot is W div 2.
        GeometryCase{"odd width", CenterStyle, 101, 101, 0, 360, 50, 50, 50, 360, -90.0},
        GeometryCase{"left", LeftStyle, 164, 160, 20, 90, 20, 140, 124, 90, 90.0},
        GeometryCase{"right", RightStyle, 164, 160, 20, 90, 144, 140, 124, 90, 0.0},
        GeometryCase{"right lowered", RightStyle, 164, 160, 20, 120, 144, 140, 124, 90, 0.0},
        GeometryCase{"left lowered", LeftStyle, 82, 80, 10, 300, 10, 70, 62, 90, 90.0},
        GeometryCase{"right narrow", RightStyle, 82, 80, 10, 45, 72, 70, 62, 45, 0.0}));

TEST(GaugeGeometry, RoundCoordTiesToEvenAndIgnoresNonFinite)
{
    EXPECT_EQ(roundCoord(2.5), 2);
    EXPECT_EQ(roundCoord(3.5), 4);
    EXPECT_EQ(roundCoord(std::nan("")), 0);
    EXPECT_EQ(roundCoord(1e300), 1 << 24);
}

struct PointCase {
    double t, d;
    int x, y;
};

// Round 300-degree dial of 256 px: pivot (128, 128), R 116, start at -60.
TEST(GaugeGeometry, ScalePointsRunClockwiseFromLowerLeft)
{
    const GaugeGeometry g = gaugeGeometry(CenterStyle, 256, 256, 12, 300);
    const PointCase cases[] = {
        {0, 116, 70, 228},     // start: lower left, 60 degrees below the horizon
        {150, 116, 128, 12},   // middle: straight up
        {300, 116, 186, 228},  // end: lower right
        {60, 100, 28, 128},    // 60 degrees on: pointing left
        {240, 100, 228, 128},  // pointing right
        {-15, 116, 98, 240},   // before the start
    };
    for (const PointCase &c : cases) {
        const QPoint p = scalePoint(g, c.t, c.d);
        EXPECT_EQ(p, QPoint(c.x, c.y)) << "t=" << c.t << " d=" << c.d;
    }
}

TEST(GaugeGeometry, SideStylesSweepTheirQuarter)
{
    const GaugeGeometry right = gaugeGeometry(RightStyle, 164, 160, 20, 90);
    EXPECT_EQ(scalePoint(right, 0, 124), QPoint(20, 140));   // left of the pivot
    EXPECT_EQ(scalePoint(right, 90, 124), QPoint(144, 16));  // straight up
    const GaugeGeometry left = gaugeGeometry(LeftStyle, 164, 160, 20, 90);
    EXPECT_EQ(scalePoint(left, 0, 124), QPoint(20, 16));     // straight up
    EXPECT_EQ(scalePoint(left, 90, 124), QPoint(144, 140));  // right of the pivot
}

TEST(GaugeGeometry, ValueMapping)
{
    EXPECT_DOUBLE_EQ(valueToScale(-10, 300, 200), -15.0);
    EXPECT_DOUBLE_EQ(rangeToScale(149, 300, 200), 223.5);
    // The product would overflow 32 bits.
    EXPECT_DOUBLE_EQ(rangeToScale(2'000'000'000, 360, 2'000'000'001), 720'000'000'000.0 / 2'000'000'001.0);
}

TEST(GaugeGeometry, CaptionHalfwayToTheScaleMiddle)
{
    EXPECT_EQ(captionAnchor(gaugeGeometry(CenterStyle, 256, 256, 12, 300)), QPoint(128, 70));
    EXPECT_EQ(captionAnchor(gaugeGeometry(CenterStyle, 164, 110, 8, 160)), QPoint(82, 54)); // 92 - 37.5, tie to even
    // Right style: 45 degrees up-left of the pivot (144, 140), R 124.
    EXPECT_EQ(captionAnchor(gaugeGeometry(RightStyle, 164, 160, 20, 90)), QPoint(100, 96));
}

TEST(GaugeGeometry, ValueAnchorsInsideTheTicks)
{
    const GaugeGeometry g = gaugeGeometry(CenterStyle, 256, 256, 12, 300);
    // d = 116 - 20 - 5 = 91; x is pulled in by i more pixels.
    EXPECT_EQ(valueAnchor(g, 0, 20, 0), QPoint(82, 207));
    EXPECT_EQ(valueAnchor(g, 150, 20, 4), QPoint(128, 37));
    EXPECT_EQ(valueAnchor(g, 240, 20, 8), QPoint(211, 128));
}

struct ArcCase {
    const char *what;
    QPoint from, to;
    int start16, span16;
    bool empty;
};

TEST(GaugeGeometry, ArcsRunCounterClockwiseBetweenRadials)
{
    const GaugeGeometry g = gaugeGeometry(CenterStyle, 256, 256, 12, 300);
    const ArcCase cases[] = {
        {"right to top", {244, 128}, {128, 12}, 0, 90 * 16, false},
        {"top to right goes the long way", {128, 12}, {244, 128}, 90 * 16, 270 * 16, false},
        {"same point draws nothing", {128, 12}, {128, 12}, 0, 0, true},
    };
    for (const ArcCase &c : cases) {
        const ArcSpan s = arcBetween(g, c.from, c.to);
        EXPECT_EQ(s.empty, c.empty) << c.what;
        if (!c.empty) {
            EXPECT_EQ(s.start16, c.start16) << c.what;
            EXPECT_EQ(s.span16, c.span16) << c.what;
        }
    }
    // The red arc of the airspeed dial: from the scale end back to 149 kt.
    const QPoint end = scalePoint(g, 300, g.R);
    const QPoint high = scalePoint(g, rangeToScale(149, 300, 200), g.R);
    const ArcSpan red = arcBetween(g, end, high);
    EXPECT_NEAR(red.start16 / 16.0, -60.0, 0.5);
    EXPECT_NEAR(red.span16 / 16.0, 300.0 - 223.5, 0.5);
}

TEST(GaugeGeometry, NeedleRowSpansFollowTheNeedleRowByRow)
{
    std::vector<RowSpan> spans;
    // Level needle, pen 4: its radius and a pixel more above, below and beyond the ends.
    needleRowSpans({20, 50}, {80, 50}, true, 4, 0, {100, 100}, 1, spans);
    ASSERT_EQ(spans.size(), 100u);
    EXPECT_TRUE(spans[46].empty());
    EXPECT_EQ(spans[47].left, 17);
    EXPECT_EQ(spans[50].right, 83);
    EXPECT_EQ(spans[53].left, 17);
    EXPECT_TRUE(spans[54].empty());
    // Upright needle in a 2x image: control rows and columns of its blocks.
    needleRowSpans({50, 20}, {50, 80}, true, 2, 0, {100, 100}, 2, spans);
    ASSERT_EQ(spans.size(), 50u);
    EXPECT_TRUE(spans[8].empty());
    EXPECT_EQ(spans[9].left, 24);
    EXPECT_EQ(spans[9].right, 26);
    EXPECT_EQ(spans[41].right, 26);
    EXPECT_TRUE(spans[42].empty());
    // A slanted needle costs a narrow band, not its bounding box.
    needleRowSpans({0, 0}, {99, 99}, true, 2, 0, {100, 100}, 1, spans);
    EXPECT_EQ(spans[50].left, 46);
    EXPECT_EQ(spans[50].right, 54);
    EXPECT_EQ(spans[0].left, 0); // clipped to the image
    // The pivot disk alone, radius 16 in a 2x image.
    needleRowSpans({128, 128}, {70, 228}, false, 4, 16, {256, 256}, 2, spans);
    EXPECT_EQ(spans[64].left, 54);
    EXPECT_EQ(spans[64].right, 73);
    EXPECT_TRUE(spans[54].empty());
    EXPECT_TRUE(spans[100].empty()); // no line without hasLine
    // Nothing to draw: no spans.
    needleRowSpans({5, 5}, {5, 5}, false, 1, 0, {10, 10}, 1, spans);
    for (const RowSpan &r : spans)
        EXPECT_TRUE(r.empty());
}

} // namespace
