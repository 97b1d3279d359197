#include "simulation.h"

#include "catalogue_scaling.h"

#include <algorithm>

namespace rules {

namespace {

constexpr bool within(int v, int lo, int hi) { return v >= lo && v <= hi; }

} // namespace

BaroUnit kollsmanUnit(int position, bool millibarsChosen)
{
    if (within(position, 870, 1087))
        return BaroUnit::Millibars;
    if (within(position, 2569, 3210))
        return BaroUnit::InHgHundredths;
    return millibarsChosen ? BaroUnit::Millibars : BaroUnit::InHgHundredths;
}

std::uint16_t kollsmanWord(int position, bool millibarsChosen)
{
    const double mb = kollsmanUnit(position, millibarsChosen) == BaroUnit::Millibars
                          ? double(position)
                          : position / conv::inHgHundredthsPerMillibar;
    return static_cast<std::uint16_t>(std::clamp<std::int64_t>(conv::N(mb * 16.0), 0, 0xFFFF));
}

int kollsmanPositionForQnh(double pressure, bool pressureInMillibars, BaroUnit knobUnit)
{
    if (knobUnit == BaroUnit::Millibars)
        return conv::N32(pressureInMillibars ? pressure : pressure / conv::inHgPerMillibar);
    return conv::N32(pressureInMillibars ? pressure * conv::inHgHundredthsPerMillibar : pressure * 100);
}

SimulatorDate simulatorDate(QDate date)
{
    return {static_cast<std::uint16_t>(date.year()), static_cast<std::uint16_t>(date.dayOfYear())};
}

} // namespace rules
