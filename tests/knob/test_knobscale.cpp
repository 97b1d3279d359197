// Scale arithmetic of the knob at the edges of its range.
#include "knob/knobscale.h"

#include <gtest/gtest.h>

#include <limits>

using namespace knobscale;

TEST(KnobScale, RoundsHalvesToEven)
{
    const struct {
        double in, out;
    } rows[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}};
    for (const auto &r : rows)
        EXPECT_EQ(roundHalfEven(r.in), r.out) << r.in;
    EXPECT_EQ(roundToInt(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(roundToInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(KnobScale, SetStepsCoversEmptyReversedAndFullRanges)
{
    EXPECT_FLOAT_EQ(setSteps(0, 127).angleInterval, 300.0f / 127.0f);
    EXPECT_EQ(setSteps(0, 127).steps, 127);
    EXPECT_EQ(setSteps(5, 5).angleInterval, 0.0f);
    EXPECT_EQ(setSteps(5, 5).steps, 0);
    EXPECT_FLOAT_EQ(setSteps(10, 0).angleInterval, -30.0f);
    EXPECT_EQ(setSteps(10, 0).steps, 10);
    // The full 32-bit range must not overflow the difference.
    const Steps full = setSteps(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    EXPECT_GT(full.angleInterval, 0.0f);
    EXPECT_EQ(full.steps, 4294967295LL);
}

TEST(KnobScale, CalcAngle)
{
    const struct {
        int min, max, pos, angle;
    } rows[] = {
        {0, 1, 0, 240},  {0, 1, 1, -60},        {5, 5, 5, 240},     {0, 127, 127, -60},
        {0, 4, 2, 90},   {-179, 180, 0, 90},    {-16383, 16383, 0, 90}, {10, 0, 10, 240},
        {10, 0, 0, -60}, {0, 8, 3, 240 - 112}, // 3 x 37.5 = 112.5 rounds to the even 112
    };
    for (const auto &r : rows)
        EXPECT_EQ(calcAngle(r.pos, r.min, setSteps(r.min, r.max).angleInterval), r.angle)
            << r.min << ".." << r.max << " at " << r.pos;
}

TEST(KnobScale, CalcPosition)
{
    const struct {
        int min, max, angle, pos;
    } rows[] = {
        {0, 1, 240, 0},  {0, 1, -60, 1},   {0, 1, 90, 0}, // straight up: 0.5 rounds to the even 0
        {0, 1, 91, 0},   {0, 1, 89, 1},    {0, 2, 165, 0}, // 0.5 -> 0
        {0, 2, 15, 2},   // 1.5 -> 2
        {0, 4, 90, 2},   {5, 5, 17, 5},    {5, 5, -60, 5}, // empty range: always Min
        {10, 0, 240, 10}, {10, 0, -60, 0}, {-16383, 16383, 90, 0},
        // Wider than 2^31: right of straight up the steps from Min pass 2^31.
        {INT32_MIN, INT32_MAX, 60, 429496730}, {INT32_MIN, INT32_MAX, -60, INT32_MAX},
        {INT32_MIN, INT32_MAX, 240, INT32_MIN}, {INT32_MIN, INT32_MAX, 90, 0},
    };
    for (const auto &r : rows)
        EXPECT_EQ(calcPosition(r.angle, r.min, setSteps(r.min, r.max).angleInterval), r.pos)
            << r.min << ".." << r.max << " at " << r.angle;
}

TEST(KnobScale, ClampPosition)
{
    const struct {
        int pos, min, max, out;
    } rows[] = {
        {50, 0, 127, 50}, {200, 0, 127, 127}, {-5, 0, 127, 0}, {3, 5, 5, 5},
        // Max below Min: above Min wraps to Max, below Max to Min.
        {15, 10, 0, 0}, {-3, 10, 0, 10}, {5, 10, 0, 5}, {10, 10, 0, 10},
    };
    for (const auto &r : rows)
        EXPECT_EQ(clampPosition(r.pos, r.min, r.max, setSteps(r.min, r.max).angleInterval), r.out)
            << r.pos << " in " << r.min << ".." << r.max;
}

TEST(KnobScale, PointerAngleFoldsTheDeadZone)
{
    const struct {
        int x, y, angle;
    } rows[] = {
        {20, 0, 90},  {20, 20, 90},  {20, 39, 240}, // on the vertical through the centre
        {39, 20, 0},  {0, 20, 180},  {39, 39, -45}, {0, 39, 224},
        {10, 39, 240}, // 242: in the dead zone, left of the bottom
        {19, 39, 240}, {30, 39, -60}, {25, 39, -60}, // right of the bottom: -62, -75
        {0, 0, 135},  {39, 0, 46},
    };
    for (const auto &r : rows)
        EXPECT_EQ(pointerAngle(20, 20, r.x, r.y), r.angle) << r.x << "," << r.y;
}

TEST(KnobScale, InscribedEllipse)
{
    EXPECT_TRUE(insideInscribedEllipse(40, 40, 20, 20));
    EXPECT_TRUE(insideInscribedEllipse(40, 40, 0, 20));
    EXPECT_TRUE(insideInscribedEllipse(40, 40, 39, 19));
    EXPECT_FALSE(insideInscribedEllipse(40, 40, 0, 0));
    EXPECT_FALSE(insideInscribedEllipse(40, 40, 5, 5));
    EXPECT_FALSE(insideInscribedEllipse(40, 40, 39, 39));
    EXPECT_FALSE(insideInscribedEllipse(0, 0, 0, 0));
}

TEST(KnobScale, IndicatorLimits)
{
    const struct {
        float in, radius, out;
    } lengths[] = {{50, 20, 11}, {2, 20, 3}, {3, 20, 3}, {8, 21, 8}, {12, 21, 12}, {12.5f, 21, 12}, {4, 12, 3}};
    for (const auto &r : lengths)
        EXPECT_EQ(limitLineLength(r.in, r.radius), r.out) << r.in << " on radius " << r.radius;
    const struct {
        float in, out;
    } widths[] = {{0.5f, 1}, {1, 1}, {1.5f, 1.5f}, {8, 8}, {12, 8}};
    for (const auto &r : widths)
        EXPECT_EQ(limitLineWidth(r.in), r.out) << r.in;
}

TEST(KnobScale, SquareSide)
{
    const struct {
        int w, h, diameter, side;
    } rows[] = {{30, 40, 28, 40}, {20, 40, 40, 20}, {30, 40, 40, 30}, {40, 40, 40, 40},
                {50, 10, 28, 50}, {28, 28, 40, 28}, {42, 42, 40, 42}};
    for (const auto &r : rows)
        EXPECT_EQ(squareSide(r.w, r.h, r.diameter), r.side) << r.w << "x" << r.h << " from " << r.diameter;
}
