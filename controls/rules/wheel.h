#pragma once
// One notch of the mouse wheel over a lever or knob: the value the control
// takes, computed from the number the panel shows for it. A notch is +1 for
// a turn towards the user and -1 for a turn away. Levers show their value
// upside down (the turn towards the user lowers a lever's percent); on every
// knob the same turn raises the value. All arithmetic in 64 bits; results
// that go into a knob saturate to 32 bits and the knob clamps them.
#include <cstdint>

namespace rules {

// One standard wheel notch, in the toolkit's delta units.
inline constexpr int kWheelNotch = 120;

// The notch of a whole wheel delta: negative deltas turn towards the user.
constexpr int wheelNotch(int delta) { return delta < 0 ? 1 : delta > 0 ? -1 : 0; }

// Wheels that report less than a notch at a time (high-resolution wheels,
// touchpads) add up to whole notches: `gathered` keeps what is left over
// between deltas; a turn the other way starts afresh. Returns the whole
// notches (each of kWheelNotch units, signed as the delta) now reached.
int gatherNotches(int &gathered, int delta);

// v + step kept within lo..hi.
std::int32_t stepWithin(std::int64_t value, std::int64_t step, std::int64_t lo, std::int64_t hi);

// Throttle, mixture and propeller levers: the percent shown, one percent
// a notch, lower for a turn towards the user.
std::int32_t leverNotch(std::int64_t percent, int notch, int lowest, int highest);

// Heading bug and courses: one degree a notch, 359 and 0 next to each other.
std::int32_t bearingNotch(std::int64_t degrees, int notch);

// Altitude target and vertical speed: the value shown in hundreds (rounded
// half to even), one hundred a notch, within the knob's range.
std::int32_t hundredsNotch(std::int64_t value, int notch, int min, int max);

// Elevator trim: the trim shown (-21.00..21.00) in hundredths, three a notch;
// the knob clamps.
std::int32_t elevatorTrimNotch(double shown, int notch);

// Aileron and rudder trim: the trim shown rounded, one a notch, -100..100.
std::int32_t sideTrimNotch(double shown, int notch);

// The tanks an aircraft has (their panels on the fuel page are shown).
struct TankPresence {
    bool leftMain = false, rightMain = false, leftAux = false, rightAux = false, centre = false,
         centre2 = false, centre3 = false, external1 = false, external2 = false, rightTip = false,
         leftTip = false;
};

// A fuel selector's next code (0..20) a notch away that names a tank the
// aircraft has; a turn towards the user steps up. Left and right pairs are
// passed over together. Past the codes the selector stays within min..max.
std::int32_t fuelSelectorNotch(std::int64_t code, int notch, const TankPresence &tanks, int min, int max);

} // namespace rules
