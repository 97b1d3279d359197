#pragma once
// What the engine readout shows for the simulator's raw values: lever
// percents and where the lever bars stand, the dials' ranges, the lamps' and
// knobs' colours, and which engine the gauge cluster and the selectors show.
#include "widgets/common/colourvalues.h"

#include <cstdint>
#include <optional>

namespace rules {

// A lever word (16384 = 100 %) as the whole percent its label shows.
std::int32_t leverPercent(std::int16_t raw);
// Where a lever bar stands for the percent its label shows: minus the
// percent, full at -100; a reverse setting (below 0) stands at 0. The lever
// handlers ask the same question to tell the refresh's moves from the user's.
int leverBarPosition(std::int64_t percent);

// The engine (0..3) the gauge cluster and the automatic mixture take for the
// engine selector's position (1..4): engine 1 for any other position.
int selectedEngineIndex(int selector);

// A dial's range, given to the dial in this order.
struct DialRange {
    int scale, indMaximum, indMinimum;
    bool operator==(const DialRange &) const = default;
};

// A temperature dial in tens of degrees: its range and caption for the unit
// chosen, and the temperature in that unit (shown whole, needle at a tenth).
struct TemperatureDial {
    DialRange range;
    const char *caption;
    double degrees;
};
TemperatureDial cylinderHeadDial(double fahrenheit, bool celsius);
TemperatureDial exhaustGasDial(double rankine, bool celsius);
TemperatureDial oilTemperatureDial(std::int16_t raw, bool celsius);

// The RPM dial (in hundreds) and the manifold-pressure dial grow when the
// value passes their end; nothing when the present scale still holds it.
std::optional<int> rpmDialScale(int scale, double rpm);
std::optional<int> manifoldDialScale(int scale, double inHg);

// The throttle (percent) the fuel-flow dial is scaled by: engine 1's when
// above 1 %, else engine 2's on a multi-engine aircraft when above 1 %, else 0.
int fuelFlowThrottle(int throttleBar1, int throttleBar2, std::int64_t engines);
// The fuel-flow dial grows when the flow passes its end and, above half
// throttle, shrinks when the flow is under a quarter of it; the new end is
// the flow scaled to full throttle, in tens, plus 5. Nothing otherwise, and
// nothing at all without a throttle reference.
struct FuelFlowRange {
    int scale, indMaximum;
    bool operator==(const FuelFlowRange &) const = default;
};
std::optional<FuelFlowRange> fuelFlowRescale(int scale, float flow, int throttle);

// The running lamp: silver stopped, lime running, red on the alarm flag.
TColor runningLampColour(std::uint16_t combustion, std::uint32_t alarm);
// The magneto knob: grey off, orange one magneto, green both, red start.
TColor magnetoColour(std::int64_t position);
// Cowl flaps: the knob's position (0..10) for the open fraction, and its
// colour: grey closed, green, amber, red wide open.
std::int32_t cowlFlapsPosition(double fraction);
TColor cowlFlapsColour(std::int64_t position);
// The hydraulic pumps knob: on when the pump bits come to half of all four.
std::int32_t hydraulicPumpsPosition(std::uint8_t pumps);

// The engine scan: the next engine, or back to `first` past the last one.
int nextScannedEngine(int position, std::int64_t engines, int first);
// An engine selector beyond the aircraft's engines is pulled back to the
// last engine, when that is a position the knob can take; nothing otherwise
// (a glider has no engine to pull back to).
std::optional<int> engineSelectorPullBack(int position, std::int64_t engines, int min, int max);

} // namespace rules
