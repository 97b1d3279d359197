// The engine readout and the engine handlers: what the panel shows for the
// simulator's engine values and what it writes for the user's levers.
#include "catalogue_scaling.h"
#include "controls/rules/enginecontrols.h"
#include "readout/rules/engines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace rules;

TEST(EngineLevers, PercentShownAndWhereTheBarStands)
{
    struct Case {
        std::int16_t raw;
        std::int32_t percent;
        int bar;
    } cases[] = {
        {16384, 100, -100}, {-4096, -25, 0} /* reverse shows at 0 */, {8192, 50, -50}, {0, 0, 0},
        {20000, 122, -100} /* past full stays at full */, {13107, 80, -80}, {82, 1, -1} /* 0.5005 */,
        {-3277, -20, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(leverPercent(c.raw), c.percent) << c.raw;
        EXPECT_EQ(leverBarPosition(c.percent), c.bar) << c.raw;
    }
}

TEST(EngineLevers, WordsWrittenForTheBarPositions)
{
    const std::pair<int, std::int16_t> words[] = {
        {-50, 8192}, {-75, 12288}, {-100, 16384}, {20, -3277}, {-80, 13107}, {-71, 11633}, {0, 0}, {-1, 164},
    };
    for (auto [bar, word] : words)
        EXPECT_EQ(leverWord(bar), word) << bar;
}

TEST(EngineLevers, ASyncPassMovesTheOtherEnginesTheAircraftHas)
{
    using V = std::vector<int>;
    EXPECT_EQ(syncedEngines(1, 4), (V{2, 3, 4}));
    EXPECT_EQ(syncedEngines(2, 4), (V{1, 3, 4}));
    EXPECT_EQ(syncedEngines(2, 3), (V{1, 3}));
    EXPECT_EQ(syncedEngines(1, 2), (V{2}));
    EXPECT_EQ(syncedEngines(1, 1), V{});
    EXPECT_EQ(syncedEngines(1, 0), V{});
    EXPECT_EQ(syncedEngines(1, 9), (V{2, 3, 4}));
    EXPECT_EQ(syncedEngines(3, 4), V{}) << "engines 3 and 4 start no pass";
    EXPECT_EQ(syncedEngines(4, 4), V{});
}

TEST(EngineSettings, CowlFlapsMagnetosLampAndPumps)
{
    const TColor green = RGBColor(0, 204, 102), amber = RGBColor(255, 153, 0);
    struct Cowl {
        double fraction;
        std::int32_t position;
        TColor colour;
    } cowls[] = {
        {0.35, 4, amber}, {0.0, 0, clGray}, {0.1, 1, green}, {0.25, 2, green} /* 2.5 to even */, {0.3, 3, green},
        {0.7, 7, amber},  {0.75, 8, clRed}, {1.0, 10, clRed},
    };
    for (const Cowl &c : cowls) {
        EXPECT_EQ(cowlFlapsPosition(c.fraction), c.position) << c.fraction;
        EXPECT_EQ(cowlFlapsColour(c.position), c.colour) << c.fraction;
    }
    EXPECT_EQ(cowlFlapsFraction(4), 0.4);

    const TColor magnetos[] = {clGray, clOrange, clOrange, clSwitchOn, clRed};
    for (int p = 0; p <= 4; ++p)
        EXPECT_EQ(magnetoColour(p), magnetos[p]) << p;

    EXPECT_EQ(runningLampColour(0, 0), clSilver);
    EXPECT_EQ(runningLampColour(1, 0), clLime);
    EXPECT_EQ(runningLampColour(1, 1), clRed);
    EXPECT_EQ(runningLampColour(0, 1), clRed);
    EXPECT_EQ(runningLampColour(1, 2), clLime) << "only exactly 1 is the alarm";

    EXPECT_EQ(hydraulicPumpsPosition(15), 1);
    EXPECT_EQ(hydraulicPumpsPosition(8), 1);
    EXPECT_EQ(hydraulicPumpsPosition(7), 0);
    EXPECT_EQ(hydraulicPumpsPosition(0), 0);
}

TEST(EngineGauges, TemperatureDialsInEitherUnit)
{
    struct Case {
        TemperatureDial dial;
        DialRange range;
        const char *caption;
        double degrees;
    } cases[] = {
        {cylinderHeadDial(400.0, false), {60, 51, 10}, "Fx10", 400.0},
        {cylinderHeadDial(400.0, true), {30, 27, 5}, "Cx10", 204.44444444444446},
        {exhaustGasDial(1659.67, false), {160, 135, 60}, "Fx10", 1200.0},
        {exhaustGasDial(1659.67, true), {80, 65, 30}, "Cx10", 648.8888888888889},
        {oilTemperatureDial(8192, true), {12, 11, 3}, "Cx10", 70.0},
        {oilTemperatureDial(8192, false), {24, 21, 5}, "Fx10", 158.0},
        {oilTemperatureDial(-1024, true), {12, 11, 3}, "Cx10", -8.75},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(c.dial.range, c.range);
        EXPECT_STREQ(c.dial.caption, c.caption);
        EXPECT_NEAR(c.dial.degrees, c.degrees, 1e-9);
    }
}

TEST(EngineGauges, DialsGrowPastTheirEnd)
{
    EXPECT_EQ(rpmDialScale(36, 2400.0), std::nullopt);
    EXPECT_EQ(rpmDialScale(36, 3650.0), std::nullopt) << "36.5 rounds to 36";
    EXPECT_EQ(rpmDialScale(36, 3700.0), 47);
    EXPECT_EQ(manifoldDialScale(45, 30.0), std::nullopt);
    EXPECT_EQ(manifoldDialScale(45, 46.2), 55);
    EXPECT_EQ(manifoldDialScale(45, 45.4), std::nullopt);
}

TEST(EngineGauges, FuelFlowDialFollowsTheThrottle)
{
    EXPECT_EQ(fuelFlowThrottle(-60, 0, 1), 60);
    EXPECT_EQ(fuelFlowThrottle(-1, -70, 2), 70) << "engine 1 at 1 % or less: engine 2";
    EXPECT_EQ(fuelFlowThrottle(-1, -70, 1), 0) << "no engine 2 on a single";
    EXPECT_EQ(fuelFlowThrottle(0, 0, 4), 0);

    struct Case {
        int scale;
        float flow;
        int throttle;
        std::optional<FuelFlowRange> range;
    } cases[] = {
        {150, 60.0f, 40, std::nullopt},        // neither past the end nor above half throttle
        {300, 60.0f, 40, std::nullopt},        // under a quarter, but not above half throttle
        {300, 60.0f, 60, FuelFlowRange{105, 79}}, // k = N(60 / 0.6 / 10) = 10
        {150, 60.0f, 60, std::nullopt},        // 60 is more than a quarter of 150
        {150, 180.0f, 30, FuelFlowRange{605, 454}}, // past the end at any throttle
        {150, 180.0f, 0, std::nullopt},        // no throttle reference, no rescale
        {300, 0.0f, 100, FuelFlowRange{5, 4}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fuelFlowRescale(c.scale, c.flow, c.throttle), c.range)
            << c.scale << " " << c.flow << " at " << c.throttle;
}

TEST(EngineSelectors, GaugeEngineScanAndPullBack)
{
    const std::pair<int, int> engines[] = {{1, 0}, {2, 1}, {3, 2}, {4, 3}, {0, 0}, {5, 0}};
    for (auto [selector, index] : engines)
        EXPECT_EQ(selectedEngineIndex(selector), index) << selector;

    EXPECT_EQ(nextScannedEngine(2, 2, 1), 1);
    EXPECT_EQ(nextScannedEngine(1, 2, 1), 2);
    EXPECT_EQ(nextScannedEngine(2, 2, 0), 0);
    EXPECT_EQ(nextScannedEngine(0, 2, 0), 1);
    EXPECT_EQ(nextScannedEngine(1, 0, 1), 1);
    EXPECT_EQ(nextScannedEngine(std::numeric_limits<int>::max(), 4, 1), 1);

    EXPECT_EQ(engineSelectorPullBack(4, 2, 1, 4), 2);
    EXPECT_EQ(engineSelectorPullBack(2, 2, 1, 4), std::nullopt);
    EXPECT_EQ(engineSelectorPullBack(1, 0, 1, 4), std::nullopt) << "no engine to pull back to";
    EXPECT_EQ(engineSelectorPullBack(1, 0, 0, 4), 0);
    EXPECT_EQ(engineSelectorPullBack(3, -1, 0, 4), std::nullopt);
}

TEST(AutoMixture, StepsOutsideTheBand)
{
    const std::pair<double, int> steps[] = {
        {0.0835, 0}, {0.081, -1}, {0.082, 0}, {0.084, 0}, {0.0841, 1}, {0.0, -1}, {std::nan(""), 0},
    };
    for (auto [ratio, step] : steps)
        EXPECT_EQ(autoMixtureStep(ratio), step) << ratio;
}
