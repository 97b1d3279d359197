#pragma once
// The aircraft in motion: on the ground it rolls with thrust against
// friction and brakes and steers with the rudder; in the air it banks,
// turns, climbs and descends under the pilot's inputs or the autopilot, and
// its airspeed settles where thrust meets drag (flaps, gear, spoilers and
// ice add drag; climbing costs speed). Wind makes the ground track.
#include "modelio.h"
#include "modelstate.h"

// The environment at the aircraft, from the offsets and the model's surface
// temperature.
Environment environmentAt(const ModelState &state, const OffsetSpace &space);

// Indicated stall speed with the flaps where they are now (and ice).
double stallSpeedKts(const ModelState &state, const OffsetSpace &space);

// Drag as a fraction of the weight at this indicated airspeed, in the
// present configuration (flaps, gear, spoilers, ice).
double dragToWeight(const ModelState &state, const OffsetSpace &space, double iasKts);
// Thrust as a fraction of the weight at this speed: a propeller pulls
// harder the slower it goes, a jet much the same.
double thrustToWeight(const ModelState &state, double thrust, double iasKts);
// The sine of the flight path angle: the share of the weight that a climb
// costs in thrust.
double climbGradient(double verticalFpm, double tasKts);
// Rolling friction on the runway, as a fraction of the weight.
inline constexpr double kRollingFriction = 0.015;

// Speed over the ground, knots.
double groundSpeedKts(const FlightState &f, const Environment &env);

// Angle of attack at this airspeed, degrees.
double angleOfAttack(const ModelState &state, double iasKts);

void stepFlight(ModelState &state, ModelIo &io, const Environment &env);
void publishFlight(const ModelState &state, OffsetSpace &space, const Environment &env);
