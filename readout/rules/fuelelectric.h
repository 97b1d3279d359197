#pragma once
// What the fuel and electrical readout shows for the simulator's raw values:
// where a tank's level bar stands, the tank's colour and hint, the selector
// colours, the voltage dials' ranges and the light switches of the light word.
#include "readout/rules/engines.h"
#include "widgets/common/colourvalues.h"

#include <QString>

#include <array>
#include <cstdint>

namespace rules {

// Where a tank's level bar stands for its level (8388608 = full): minus the
// level in whole percent, within the bar's -100..0. The level handler asks
// the same question to tell the refresh's moves from the user's.
int tankBarPosition(std::int32_t level);
// The tank's name label: grey empty, red below 12 %, lime from 12 %.
TColor tankColour(std::int64_t percent);
// The level bar's hint: the level in percent of the tank's capacity.
QString tankHint(std::int64_t percent, std::int32_t gallons);

// A tank selector knob: green on a tank choice, grey at 0 (cut).
TColor tankSelectorColour(std::int64_t position);

// The battery and bus dials: a 12-volt, a 24-volt or a wide range by the
// voltage to the nearest volt.
DialRange voltageDialRange(double volts);

// The light switch knobs for the light word, in the order cabin, logo, wing,
// recognition, panel, strobe, taxi, landing, beacon, navigation: bit 9 (and
// above) to cabin down to bit 0 to navigation, each quotient truncated toward
// zero with the remainder carried on.
std::array<int, 10> lightSwitchPositions(std::int16_t word);

} // namespace rules
