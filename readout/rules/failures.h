#pragma once
// The failures readout's arithmetic: door lamps from the doors byte, the
// zoom factor and the simulation rate as the panel shows them.
#include <cstdint>

namespace rules {

// Door n (1..8) is open when bit n - 1 of the doors byte is set; door 1 is
// the main door.
constexpr bool doorOpen(std::uint8_t doors, int door) { return door >= 1 && door <= 8 && (doors >> (door - 1)) & 1; }

// The zoom factor shown: the simulator's value / 64, truncated (127 is 1).
std::int32_t zoomShown(std::uint16_t raw);

// The simulation rate shown by the rate arrows: rate x 256 / 256, truncated
// toward zero (a rate of one half shows 0).
std::int32_t simulationRateShown(std::int16_t raw);

} // namespace rules
