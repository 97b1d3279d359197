// Bearings on the panel's knobs and the one rounding helper they go through.
#include "catalogue_scaling.h"
#include "readout/rules/angles.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Rounding, HalvesToEvenTowardZeroAndSaturatingAt32Bits)
{
    struct Case {
        double x;
        std::int32_t n, t;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {2.5, 2, 2},   {3.5, 4, 3},   {-2.5, -2, -2},   {-12.5, -12, -12},  {1250 / 100.0, 12, 12},
        {-0.5, 0, 0},  {0.49, 0, 0},  {-2099.8, -2100, -2099},              {nan, 0, 0},
        {3e9, 2147483647, 2147483647}, {-3e9, -2147483647 - 1, -2147483647 - 1},
        {std::numeric_limits<double>::infinity(), 2147483647, 2147483647},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(conv::N32(c.x), c.n) << c.x;
        EXPECT_EQ(conv::T32(c.x), c.t) << c.x;
    }
}

TEST(Angles, KnobPositionsAndWholeDegreesWrapWhereTheDialDoes)
{
    const std::pair<std::int64_t, std::int64_t> knob[] = {{270, -90}, {180, 180}, {181, -179}, {0, 0}, {359, -1}};
    for (auto [degrees, position] : knob)
        EXPECT_EQ(rules::knobDegrees(degrees), position) << degrees;

    const std::pair<double, std::int32_t> whole[] = {
        {180.3, 180}, {359.7, 0}, {359.4, 359}, {-0.2, 0}, {-90.0, 270}, {720.0, 0}, {269.5, 270}, {0.5, 0},
    };
    for (auto [degrees, shown] : whole)
        EXPECT_EQ(rules::wholeDegrees(degrees), shown) << degrees;
}
