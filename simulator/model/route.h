#pragma once
// The flight plan of the preset: its next waypoint, then its destination.
// Distance and ground speed give the time en route and the arrival time on
// the simulator clock; the next waypoint is passed within a mile.
#include "modelio.h"
#include "modelstate.h"

void stepRoute(ModelState &state);
void publishRoute(const ModelState &state, OffsetSpace &space, double groundSpeedKts);
