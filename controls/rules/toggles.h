#pragma once
// The new values the switch toggles write for the value they read. A toggle
// never sends its knob's position: it inverts what the simulator holds.
#include <cstdint>

namespace rules {

// Parking brake: 0 and 32767 swap (exclusive-or 0x7FFF on 16 bits).
constexpr std::int16_t parkingBrakeToggled(std::int16_t old) { return static_cast<std::int16_t>(old ^ 0x7FFF); }

// Gear and spoilers: ((old div 16383) xor 1) x 16383, so 0 and 16383 swap
// and any value in transit below 16383 becomes 16383. Saturates at 32 bits.
std::int32_t leverToggled(std::int32_t old);

// Hydraulic pumps: all four off when any is on, else all four on.
constexpr std::uint8_t hydraulicPumpsToggled(std::uint8_t old) { return old ? 0 : 15; }

// The fuel pump master inverts the pump bit of every engine the aircraft has.
constexpr std::uint8_t fuelPumpMasterMask(std::int64_t engines)
{
    return engines > 3 ? 15 : engines > 2 ? 7 : engines > 1 ? 3 : 1;
}

} // namespace rules
