// Keys as the shortcuts see them: Windows virtual-key codes from Qt's keys,
// the shift state compared as a whole, and the shortcut of each code.
#include "controls/rules/keys.h"

#include <gtest/gtest.h>

using namespace rules;

TEST(Keys, QtKeysMapToVirtualKeyCodes)
{
    const struct {
        int qt;
        Qt::KeyboardModifiers modifiers;
        int vk;
    } cases[] = {
        {Qt::Key_A, {}, 65},
        {Qt::Key_G, {}, 71},
        {Qt::Key_G, Qt::ShiftModifier, 71},
        {Qt::Key_G, Qt::ControlModifier, 71},
        {Qt::Key_Z, {}, 90},
        {Qt::Key_0, {}, 48},
        {Qt::Key_9, {}, 57},
        {Qt::Key_F1, {}, 112},
        {Qt::Key_F3, {}, 114},
        {Qt::Key_F7, {}, 118},
        {Qt::Key_F24, {}, 135},
        // Qt's full stop is 46, which is VK_DELETE: they must not meet.
        {Qt::Key_Period, {}, 190},
        {Qt::Key_Greater, Qt::ShiftModifier, 190},
        {Qt::Key_Delete, {}, 46},
        {Qt::Key_Comma, {}, 188},
        {Qt::Key_Minus, {}, 189},
        {Qt::Key_Exclam, Qt::ShiftModifier, 49},
        {Qt::Key_Space, {}, 32},
        {Qt::Key_Return, {}, 13},
        {Qt::Key_Escape, {}, 27},
        {Qt::Key_Left, {}, 37},
        {Qt::Key_Down, {}, 40},
        // The keypad's own keys.
        {Qt::Key_Period, Qt::KeypadModifier, 110},
        {Qt::Key_5, Qt::KeypadModifier, 101},
        {Qt::Key_Plus, Qt::KeypadModifier, 107},
        {Qt::Key_Home, Qt::KeypadModifier, 36},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Eacute, {}, 0},
        {Qt::Key_unknown, {}, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(virtualKey(c.qt, c.modifiers), c.vk) << std::hex << c.qt << " " << c.modifiers.toInt();
}

TEST(Keys, ShiftAloneIsTheShiftKeyAndNothingElse)
{
    EXPECT_TRUE(shiftAlone(Qt::ShiftModifier, Qt::NoButton));
    EXPECT_TRUE(shiftAlone(Qt::ShiftModifier | Qt::KeypadModifier, Qt::NoButton));
    EXPECT_FALSE(shiftAlone({}, Qt::NoButton));
    EXPECT_FALSE(shiftAlone(Qt::ShiftModifier | Qt::ControlModifier, Qt::NoButton));
    EXPECT_FALSE(shiftAlone(Qt::ShiftModifier | Qt::AltModifier, Qt::NoButton));
    EXPECT_FALSE(shiftAlone(Qt::ShiftModifier, Qt::LeftButton));
    EXPECT_FALSE(shiftAlone(Qt::ControlModifier, Qt::NoButton));
}

TEST(Keys, ShortcutsOfEachShiftState)
{
    const struct {
        int vk;
        bool shift;
        Shortcut action;
    } cases[] = {
        {71, true, Shortcut::TailWheelLock}, {77, true, Shortcut::MasterBattery}, {66, true, Shortcut::None},
        {190, true, Shortcut::None},         {114, true, Shortcut::None},         {66, false, Shortcut::AltimeterToQnh},
        {68, false, Shortcut::GyroDriftReset}, {70, false, Shortcut::FuelPumpMaster}, {71, false, Shortcut::Gear},
        {72, false, Shortcut::CarbHeat},     {76, false, Shortcut::Lights},       {90, false, Shortcut::Autopilot},
        {114, false, Shortcut::ThrottleDown}, {115, false, Shortcut::ThrottleUp}, {117, false, Shortcut::FlapsUp},
        {118, false, Shortcut::FlapsDown},   {190, false, Shortcut::ParkingBrake}, {77, false, Shortcut::None},
        {46, false, Shortcut::None},         {110, false, Shortcut::None},        {116, false, Shortcut::None},
        {0, false, Shortcut::None},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shortcutFor(c.vk, c.shift), c.action) << c.vk << (c.shift ? " with Shift" : "");
}
