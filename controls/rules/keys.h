#pragma once
// The panel's keyboard shortcuts are defined on Windows virtual-key codes
// (G is 71, F3 is 114, the full stop 190). Qt names keys by the character or
// function they carry, and some of its numbers collide with other keys'
// virtual-key codes (Qt's full stop is 46, VK_DELETE), so keys are mapped
// here once and the shortcuts are chosen from the mapped code.
#include <Qt>

namespace rules {

// The virtual-key code of a Qt key; 0 for a key without one. Keys of the
// numeric keypad have codes of their own (the keypad's point is VK_DECIMAL,
// 110, not the full stop). Letters are the same code whatever the case.
int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

// The shift state the shortcuts compare as a whole: true only for the Shift
// key with no other modifier and no mouse button held. The keypad flag is
// not a modifier key.
bool shiftAlone(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

enum class Shortcut {
    None,
    TailWheelLock,  // Shift+G
    MasterBattery,  // Shift+M
    AltimeterToQnh, // B
    GyroDriftReset, // D
    FuelPumpMaster, // F
    Gear,           // G
    CarbHeat,       // H
    Lights,         // L
    Autopilot,      // Z
    ThrottleDown,   // F3
    ThrottleUp,     // F4
    FlapsUp,        // F6
    FlapsDown,      // F7
    ParkingBrake,   // the full stop
};

// The shortcut of a virtual-key code: with the Shift key alone only G and M
// act; in every other shift state (none included) the rest of the table.
Shortcut shortcutFor(int virtualKeyCode, bool withShiftAlone);

} // namespace rules
