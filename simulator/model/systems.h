#pragma once
// The aircraft's systems: gear and flaps travelling over seconds (on
// hydraulics or the bus), pitot heat melting pitot ice, the APU's start,
// run and stop, and the flight date the panel sets by day of the year.
#include "modelio.h"
#include "modelstate.h"

void stepSystems(ModelState &state, ModelIo &io);
void publishSystems(const ModelState &state, OffsetSpace &space);

// The panel wrote the day of the year or the year: the date's other fields
// (month, day of the month, year, season) follow at once. A day the year
// does not have leaves the date as it was.
void applyDateWrite(OffsetSpace &space);
