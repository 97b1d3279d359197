// One wheel notch over a lever or knob: the value it takes from the value
// shown, and whole notches from partial wheel deltas.
#include "controls/rules/wheel.h"

#include <gtest/gtest.h>

#include <vector>

using namespace rules;

TEST(Wheel, DeltasAddUpToWholeNotches)
{
    EXPECT_EQ(wheelNotch(-120), 1) << "towards the user";
    EXPECT_EQ(wheelNotch(120), -1);
    EXPECT_EQ(wheelNotch(0), 0);

    const struct {
        std::vector<int> deltas;
        std::vector<int> notches;
    } cases[] = {
        {{120, -120, 240}, {1, -1, 2}},
        {{15, 15, 15, 15, 15, 15, 15, 15, 15}, {0, 0, 0, 0, 0, 0, 0, 1, 0}},
        {{-60, -60, -60}, {0, -1, 0}},
        {{100, -30, -100}, {0, 0, -1}}, // a turn the other way drops what was gathered
        {{0, 50, 0, 70}, {0, 0, 0, 1}},
        {{-2147483647, -1}, {-17895697, 0}},
    };
    for (const auto &c : cases) {
        int gathered = 0;
        std::vector<int> got;
        for (int d : c.deltas)
            got.push_back(gatherNotches(gathered, d));
        EXPECT_EQ(got, c.notches);
    }
}

TEST(Wheel, LeversTrimsAndAutopilotTargets)
{
    // Levers: the turn towards the user lowers the percent; limits hold.
    EXPECT_EQ(leverNotch(50, 1, 0, 100), 49);
    EXPECT_EQ(leverNotch(50, -1, 0, 100), 51);
    EXPECT_EQ(leverNotch(100, -1, 0, 100), 100);
    EXPECT_EQ(leverNotch(0, 1, 0, 100), 0);
    EXPECT_EQ(leverNotch(-20, 1, -20, 100), -20);
    EXPECT_EQ(leverNotch(250, 1, 0, 100), 100) << "a label beyond the range comes back into it";

    // Heading and courses wrap; the knob then shows the value past 180 as negative.
    const std::pair<std::int64_t, int> towards[] = {{359, 0}, {180, 181}, {0, 1}, {400, 41}, {-5, 356}};
    for (auto [shown, next] : towards)
        EXPECT_EQ(bearingNotch(shown, 1), next) << shown;
    EXPECT_EQ(bearingNotch(0, -1), 359);
    EXPECT_EQ(bearingNotch(181, -1), 180);

    // Altitude and vertical speed in hundreds, within the knob's range.
    EXPECT_EQ(hundredsNotch(12345, 1, 0, 750), 124) << "12345 ft shows 12400";
    EXPECT_EQ(hundredsNotch(12350, -1, 0, 750), 123) << "123.5 rounds to the even 124";
    EXPECT_EQ(hundredsNotch(75000, 1, 0, 750), 750);
    EXPECT_EQ(hundredsNotch(0, -1, 0, 750), 0);
    EXPECT_EQ(hundredsNotch(-1250, -1, -40, 40), -13);
    EXPECT_EQ(hundredsNotch(-4000, -1, -40, 40), -40);

    // Elevator trim in hundredths, three a notch; side trims one a notch.
    EXPECT_EQ(elevatorTrimNotch(10.5, 1), 1053);
    EXPECT_EQ(elevatorTrimNotch(-21.0, -1), -2103) << "the knob clamps";
    EXPECT_EQ(elevatorTrimNotch(0.125, 1), 15) << "12.5 hundredths round to the even 12";
    EXPECT_EQ(sideTrimNotch(49.6, 1), 51);
    EXPECT_EQ(sideTrimNotch(100.0, 1), 100);
    EXPECT_EQ(sideTrimNotch(-100.4, -1), -100);
}

TEST(Wheel, FuelSelectorWalksOverMissingTanks)
{
    TankPresence none;
    TankPresence leftAux = none;
    leftAux.leftAux = true;
    TankPresence mains = none;
    mains.leftMain = mains.rightMain = true;
    TankPresence leftMainOnly = none;
    leftMainOnly.leftMain = true;
    TankPresence all;
    all.leftMain = all.rightMain = all.leftAux = all.rightAux = all.centre = all.centre2 = all.centre3 =
        all.external1 = all.external2 = all.rightTip = all.leftTip = true;
    const struct {
        const char *what;
        int code;
        int notch; // +1 up (towards the user), -1 down
        const TankPresence &tanks;
        int next;
    } cases[] = {
        {"1 up without mains, left aux there", 1, 1, leftAux, 4},
        {"1 up without any tank", 1, 1, none, 13},
        {"19 up without the right main wraps to all", 19, 1, leftMainOnly, 1},
        {"20 up stays at the top", 20, 1, all, 20},
        {"0 down stays at the bottom", 0, -1, all, 0},
        {"1 up with mains", 1, 1, mains, 2},
        {"2 up with mains", 2, 1, mains, 3},
        {"16 up: external 1 missing, 18 never", 16, 1, mains, 19},
        {"16 up: nothing past the crossfeeds", 16, 1, none, 1},
        {"20 down: no left main, no external", 20, -1, none, 16},
        {"13 down without tanks", 13, -1, none, 1},
        {"4 down: no right main, no left main", 4, -1, none, 1},
        {"6 down with mains", 6, -1, mains, 3},
        {"12 down, every tank", 12, -1, all, 11},
        {"11 up, every tank", 11, 1, all, 12},
        {"a label past the codes", 30, 1, all, 20},
        {"a label below them", -5, -1, all, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fuelSelectorNotch(c.code, c.notch, c.tanks, 0, 20), c.next) << c.what;
}
