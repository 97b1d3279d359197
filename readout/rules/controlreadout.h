#pragma once
// What the autopilot and flight-controls readout shows for the simulator's
// raw values: knob positions, lamp and knob colours, needle places.
#include "widgets/common/colourvalues.h"

#include <cstdint>

namespace rules {

// Autopilot altitude target (metres x 65536) in hundreds of feet, the
// altitude knob's unit.
std::int32_t apAltitudeHundreds(std::int32_t raw);
// Heading bug word in whole degrees 0..359, wrapped after rounding.
std::int32_t headingBugDegrees(std::uint16_t word);
// Vertical speed (feet per minute) in hundreds, the vertical speed knob's unit.
std::int32_t hundreds(std::int64_t value);

// The pitch bar: dark green nose up, grey level, red nose down.
TColor pitchBarColour(std::int32_t progress);
// Turn needle and sideslip ball: their Left from the simulator's deflection.
std::int32_t turnNeedleLeft(float deflection);
std::int32_t sideslipBallLeft(float deflection);

// Trim knob positions from the trim offsets, and the knobs' colours: grey
// centred, sky blue (elevator) or green (aileron, rudder) positive, red
// negative.
std::int32_t elevatorTrimPosition(std::int16_t raw);
std::int32_t sideTrimPosition(std::int16_t raw);
TColor elevatorTrimColour(std::int64_t position);
TColor sideTrimColour(std::int64_t position);

// Gear lamps: blue up, lime down, red in transit.
TColor gearLampColour(std::int32_t position);

// The spoiler knob: retracted, armed or partly out, fully out.
struct SpoilerShown {
    int position;
    TColor colour;
};
SpoilerShown spoilerShown(std::int32_t raw);

// The flap knob's colour: red at full flaps, else by detent.
TColor flapColour(std::int64_t position, std::int64_t maximum);

} // namespace rules
