#pragma once
// The settings that act on the simulation: the altimeter setting in the unit
// its knob is in, the simulator's date, and the simulation rate.
#include <QDate>

#include <cstdint>

namespace rules {

// The altimeter knob counts millibars (870..1087) or hundredths of an inch
// of mercury (2569..3210). The two ranges do not overlap, so a position says
// which unit it is in, even between a change of the unit choice and the
// refresh that moves the knob to the new range; only a position outside both
// falls back to the unit chosen.
enum class BaroUnit { InHgHundredths, Millibars };
BaroUnit kollsmanUnit(int position, bool millibarsChosen);

// The altimeter setting word (millibars x 16) for a knob position.
std::uint16_t kollsmanWord(int position, bool millibarsChosen);

// The knob position, in the knob's unit, for a QNH pressure shown in
// millibars ("1013.9") or inches of mercury ("29.94").
int kollsmanPositionForQnh(double pressure, bool pressureInMillibars, BaroUnit knobUnit);

// The simulator's date words: the year and the day of the year (1..366).
struct SimulatorDate {
    std::uint16_t year;
    std::uint16_t dayOfYear;
};
SimulatorDate simulatorDate(QDate date);

// The simulation rate word: rate x 256.
constexpr std::int16_t simulationRateWord(int rate) { return static_cast<std::int16_t>(rate * 256); }

} // namespace rules
