#pragma once
// The direct inputs: the trim knobs' writes and the control pad's aileron
// and elevator inputs.
#include <cstdint>

namespace rules {

// Elevator trim in hundredths of a degree to the trim offset (2100 gives
// 16384); aileron and rudder trim in percent (100 gives 16400).
std::int16_t elevatorTrimRaw(std::int64_t position);
std::int16_t sideTrimRaw(std::int64_t position);

// One axis of the control pad, a picture 167 pixels square centred on pixel
// 82: 64 per pixel off centre, 0 inside the dead band 70..96. A pointer
// dragged past the pad counts as its edge.
std::int16_t padInput(int pixel);

} // namespace rules
