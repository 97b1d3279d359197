// The fuel and electrical readout and the tank handler: tank bars, colours
// and hints, the levels written, the voltage dials and the light switches.
#include "catalogue_scaling.h"
#include "controls/rules/enginecontrols.h"
#include "readout/rules/fuelelectric.h"

#include <gtest/gtest.h>

using namespace rules;

TEST(FuelTanks, BarColourAndHintForTheLevel)
{
    auto level = [](double percent) { return std::int32_t(conv::N(percent / 100.0 * conv::fullTank)); };
    struct Case {
        std::int32_t level;
        int bar;
        TColor colour;
    } cases[] = {
        {level(11.4), -11, clRed},  {level(11.6), -12, clLime}, {conv::fullTank, -100, clLime},
        {0, 0, clGray},             {level(0.4), 0, clGray},    {level(0.6), -1, clRed},
        {4194304, -50, clLime},     {level(59.6), -60, clLime}, {8500000, -100, clLime} /* over full */,
        {-5000, 0, clGray},         {INT32_MAX, -100, clLime},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(tankBarPosition(c.level), c.bar) << c.level;
        EXPECT_EQ(tankColour(-c.bar), c.colour) << c.level;
    }
    EXPECT_EQ(tankHint(100, 26), QStringLiteral("Move the Slider to Desired Level: 100% of 26 Gallons"));
    EXPECT_EQ(tankHint(0, 0), QStringLiteral("Move the Slider to Desired Level: 0% of 0 Gallons"));
}

TEST(FuelTanks, LevelsWrittenForTheBar)
{
    const std::pair<int, std::int32_t> levels[] = {
        {-50, 4194304}, {-100, 8388608}, {0, 0}, {-37, 3103784} /* 3103784.96 truncated */, {-60, 5033164},
        {-1, 83886},
    };
    for (auto [bar, level] : levels)
        EXPECT_EQ(tankLevelFromBar(bar), level) << bar;
    // Written back, each level puts the bar where it was.
    for (auto [bar, level] : levels)
        EXPECT_EQ(tankBarPosition(level), bar) << bar;
}

TEST(FuelSelectors, GreenOnATankGreyAtCut)
{
    EXPECT_EQ(tankSelectorColour(0), clGray);
    EXPECT_EQ(tankSelectorColour(13), clSwitchOn);
    EXPECT_EQ(tankSelectorColour(1), clSwitchOn);
}

TEST(Electrics, VoltageDialRanges)
{
    const std::pair<double, DialRange> ranges[] = {
        {12.6, {15, 10, 5}},  {24.0, {27, 20, 11}}, {28.0, {38, 24, 11}}, {10.4, {38, 24, 11}},
        {14.5, {15, 10, 5}} /* 14 to even */, {10.5, {38, 24, 11}} /* 10 to even */, {19.5, {27, 20, 11}},
        {25.4, {27, 20, 11}}, {0.0, {38, 24, 11}},
    };
    for (auto [volts, range] : ranges)
        EXPECT_EQ(voltageDialRange(volts), range) << volts;
}

TEST(Electrics, LightSwitchesOfTheLightWord)
{
    using P = std::array<int, 10>; // cabin, logo, wing, recognition, panel, strobe, taxi, landing, beacon, navigation
    const std::pair<std::int16_t, P> words[] = {
        {0x0205, {1, 0, 0, 0, 0, 0, 0, 1, 0, 1}},
        {0x03FF, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {0x0000, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {0x0012, {0, 0, 0, 0, 0, 1, 0, 0, 1, 0}},
        {0x0400, {2, 0, 0, 0, 0, 0, 0, 0, 0, 0}}, // bits above 9 count to the cabin (its knob clamps)
        {-1, {0, 0, 0, 0, 0, 0, 0, 0, 0, -1}},    // truncated toward zero, the remainder carried
        {-513, {-1, 0, 0, 0, 0, 0, 0, 0, 0, -1}},
    };
    for (auto [word, positions] : words)
        EXPECT_EQ(lightSwitchPositions(word), positions) << word;
}
