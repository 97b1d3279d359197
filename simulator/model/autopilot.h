#pragma once
// The autopilot: from the master, the modes and the targets on the panel,
// the bank and vertical speed it asks of the aircraft. Heading hold turns to
// the bug at up to a standard rate; NAV hold tracks the selected radial (or
// flies to the next waypoint when the course source is GPS); approach hold
// tracks the localiser and the glide path; the wing leveller levels the
// wings, and the master alone holds the bank it finds. Altitude hold climbs
// or descends at the selected vertical speed and levels at the target;
// without it the master holds the selected vertical speed.
#include "modelio.h"
#include "modelstate.h"

#include <optional>

struct AutopilotCommand {
    std::optional<double> bankDeg;     // right positive
    std::optional<double> verticalFpm; // up positive
};

// The bank of a standard-rate turn (3 degrees a second), at most 25 degrees.
double standardRateBank(double tasKts);

// The gyro heading the autopilot and the panel see: magnetic plus drift.
double gyroHeading(const ModelState &state, const Environment &env);

AutopilotCommand autopilotCommand(const ModelState &state, const ModelIo &io, const Environment &env, double tasKts,
                                  double stallKts);
