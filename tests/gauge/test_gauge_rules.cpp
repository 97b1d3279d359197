#include "gauge/gaugerules.h"

#include <gtest/gtest.h>

namespace {

struct LimitsCase {
    const char *what;
    ScaleLimits before;
    int scale;
    bool stored;
    ScaleLimits after;
};

TEST(GaugeRules, ScaleDragsTheRangeLimits)
{
    const LimitsCase cases[] = {
        {"below the high limit", {140, 30, 150}, 100, true, {100, 1, 99}},
        {"equal to the high limit", {140, 30, 80}, 80, true, {80, 1, 79}},
        {"room for the low limit", {140, 30, 80}, 200, true, {200, 30, 80}},
        {"little room above the high limit", {140, 30, 80}, 100, true, {100, 20, 80}},
        {"one is refused", {140, 30, 80}, 1, false, {140, 30, 80}},
        {"negative is refused", {140, 30, 80}, -5, false, {140, 30, 80}},
        {"two is the smallest scale", {140, 30, 80}, 2, true, {2, 1, 1}},
    };
    for (const LimitsCase &c : cases) {
        ScaleLimits l = c.before;
        EXPECT_EQ(applyScale(l, c.scale), c.stored) << c.what;
        EXPECT_EQ(l.scale, c.after.scale) << c.what;
        EXPECT_EQ(l.indMinimum, c.after.indMinimum) << c.what;
        EXPECT_EQ(l.indMaximum, c.after.indMaximum) << c.what;
    }
}

TEST(GaugeRules, RangeLimitsStayInsideTheScale)
{
    const struct {
        int value;
        bool stored;
    } cases[] = {{0, false}, {1, true}, {99, true}, {100, false}, {-3, false}, {50, true}};
    for (const auto &c : cases) {
        ScaleLimits hi{100, 30, 80};
        EXPECT_EQ(applyIndMaximum(hi, c.value), c.stored) << c.value;
        EXPECT_EQ(hi.indMaximum, c.stored ? c.value : 80) << c.value;
        EXPECT_EQ(hi.indMinimum, 30);
        ScaleLimits lo{100, 30, 80};
        EXPECT_EQ(applyIndMinimum(lo, c.value), c.stored) << c.value;
        EXPECT_EQ(lo.indMinimum, c.stored ? c.value : 30) << c.value;
        EXPECT_EQ(lo.indMaximum, 80);
    }
}

TEST(GaugeRules, FramesFromElapsedTicks)
{
    EXPECT_EQ(framesFromElapsed(1'000'000'000, 250'000), 4000);
    EXPECT_EQ(framesFromElapsed(1000, 3), 333);          // integer division
    EXPECT_EQ(framesFromElapsed(1000, 2000), 0);         // slower than one a second
    EXPECT_EQ(framesFromElapsed(1000, 0), std::nullopt); // not measurable
    EXPECT_EQ(framesFromElapsed(0, 10), std::nullopt);
    EXPECT_EQ(framesFromElapsed(INT64_C(1) << 40, 1), INT_MAX);
}

} // namespace
