// The autopilot targets, switch toggles, trims and the control pad: what the
// handlers write for what the user set or the simulator held.
#include "catalogue_scaling.h"
#include "controls/rules/autopilotinput.h"
#include "controls/rules/directinputs.h"
#include "controls/rules/toggles.h"
#include "readout/rules/angles.h"
#include "readout/rules/controlreadout.h"

#include <gtest/gtest.h>

using namespace rules;

TEST(AutopilotTargets, HeadingAltitudeAndVerticalSpeedAsWritten)
{
    // Heading bug: degrees x 65536 / 360 truncated, low 16 bits in 64-bit arithmetic.
    const std::pair<std::int64_t, std::uint16_t> headings[] = {
        {270, 49152}, {0, 0}, {359, 65353}, {360, 0}, {400, 7281}, {-10, 63716}, {135, 24576},
        {2147483647, std::uint16_t((2147483647LL * 65536 / 360) & 0xFFFF)},
    };
    for (auto [degrees, word] : headings)
        EXPECT_EQ(headingBugWord(degrees), word) << degrees;
    EXPECT_EQ(knobDegrees(270), -90);

    EXPECT_EQ(apAltitudeRaw(10000), 199753722);
    EXPECT_EQ(apAltitudeRaw(5432), conv::N(5432 * 65536 / 3.28084));
    EXPECT_GT(apAltitudeRaw(40000), 0);
    EXPECT_GT(apAltitudeRaw(2000000), std::int64_t(INT32_MAX)) << "left to the caller to refuse";

    EXPECT_EQ(hundreds(1250), 12);
    EXPECT_EQ(hundreds(1350), 14);
    EXPECT_EQ(hundreds(5000), 50) << "the knob clamps, not the rule";
    EXPECT_EQ(hundreds(-1250), -12);
    EXPECT_EQ(steppedAltitude(5000, -3), 5300);
    EXPECT_EQ(steppedAltitude(5000, 2), 4800);
}

TEST(AutopilotReadout, TargetsShownOnTheirKnobs)
{
    EXPECT_EQ(apAltitudeHundreds(3048 * 65536), 100); // 9999.88 ft
    EXPECT_EQ(apAltitudeHundreds(0), 0);
    EXPECT_EQ(apAltitudeHundreds(-3048 * 65536), -100);
    const std::pair<std::uint16_t, std::int32_t> bugs[] = {
        {49152, 270}, {32768, 180}, {32823, 180} /* 180.3 */, {65481, 0} /* 359.7 */, {65535, 0}, {0, 0}, {182, 1},
    };
    for (auto [word, degrees] : bugs)
        EXPECT_EQ(headingBugDegrees(word), degrees) << word;
}

TEST(SwitchToggles, NewValuesForTheValuesRead)
{
    EXPECT_EQ(parkingBrakeToggled(0), 32767);
    EXPECT_EQ(parkingBrakeToggled(32767), 0);
    const std::pair<std::int32_t, std::int32_t> levers[] = {
        {0, 16383}, {16383, 0}, {8000, 16383}, {-5, 16383}, {32766, 49149}, {INT32_MAX, INT32_MAX},
    };
    for (auto [old, next] : levers)
        EXPECT_EQ(leverToggled(old), next) << old;
    EXPECT_EQ(hydraulicPumpsToggled(5), 0);
    EXPECT_EQ(hydraulicPumpsToggled(0), 15);
    const std::pair<int, int> masks[] = {{0, 1}, {1, 1}, {2, 3}, {3, 7}, {4, 15}, {8, 15}};
    for (auto [engines, mask] : masks)
        EXPECT_EQ(fuelPumpMasterMask(engines), mask) << engines;
}

TEST(Trims, KnobPositionsToOffsetsAndBack)
{
    EXPECT_EQ(elevatorTrimRaw(1050), 8192);
    EXPECT_EQ(elevatorTrimRaw(2100), 16384);
    EXPECT_EQ(elevatorTrimRaw(-2100), -16384);
    EXPECT_EQ(sideTrimRaw(100), 16400);
    EXPECT_EQ(sideTrimRaw(-50), -8200);
    EXPECT_EQ(elevatorTrimPosition(-16383), -2100);
    EXPECT_EQ(elevatorTrimPosition(8192), 1050);
    EXPECT_EQ(sideTrimPosition(16400), 100);
    EXPECT_EQ(sideTrimPosition(82), 0); // 0.5, to even
    EXPECT_EQ(elevatorTrimColour(-2100), clRed);
    EXPECT_EQ(elevatorTrimColour(0), clGray);
    EXPECT_EQ(elevatorTrimColour(1), clSkyBlue);
    EXPECT_EQ(sideTrimColour(1), clSwitchOn);
    EXPECT_EQ(sideTrimColour(-1), clRed);
}

TEST(ControlPad, InputsByPixelWithTheDeadBandAndTheEdges)
{
    const std::pair<int, std::int16_t> axis[] = {
        {150, 4352}, {80, 0}, {70, 0}, {96, 0}, {69, -832}, {97, 960}, {166, 5376}, {0, -5248},
        {400, 5376}, {-3000, -5248}, {INT32_MIN, -5248}, {INT32_MAX, 5376},
    };
    for (auto [pixel, input] : axis)
        EXPECT_EQ(padInput(pixel), input) << pixel;
}

TEST(ControlsReadout, LampsKnobsAndNeedles)
{
    EXPECT_EQ(gearLampColour(0), clBlue);
    EXPECT_EQ(gearLampColour(16383), clLime);
    EXPECT_EQ(gearLampColour(8000), clRed);
    EXPECT_EQ(spoilerShown(0).position, 0);
    EXPECT_EQ(spoilerShown(16383).colour, clRed);
    EXPECT_EQ(spoilerShown(16383).position, 2);
    EXPECT_EQ(spoilerShown(4000).colour, clOrange);
    const std::pair<int, TColor> flaps[] = {{0, clGray}, {1, clYellow}, {2, clRedOrange}, {3, clRed}, {8, clRed}};
    for (auto [position, colour] : flaps)
        EXPECT_EQ(flapColour(position, 8), colour) << position;
    EXPECT_EQ(flapColour(2, 2), clRed) << "full flaps are red whatever the detent";
    EXPECT_EQ(pitchBarColour(1), clGreen);
    EXPECT_EQ(pitchBarColour(0), clMedGray);
    EXPECT_EQ(pitchBarColour(-1), clRed);
    EXPECT_EQ(turnNeedleLeft(0.0f), 66);
    EXPECT_EQ(turnNeedleLeft(1.0f), 73);
    EXPECT_EQ(sideslipBallLeft(-1.0f), 37);
    EXPECT_EQ(sideslipBallLeft(std::numeric_limits<float>::quiet_NaN()), 59);
}
