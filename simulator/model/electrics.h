#pragma once
// The electrical system: a battery that drains under load without a
// charging source and recovers with one; generators on running engines and
// the APU; the main bus and one bus per engine with their volts and amperes.
// The load follows the avionics, the lights, pitot heat and fuel pumps.
#include "modelio.h"
#include "modelstate.h"

// The charging voltage of the aircraft's generators.
double generatorVolts(const AircraftPreset &preset);

void stepElectrics(ModelState &state, ModelIo &io);
void publishElectrics(const ModelState &state, OffsetSpace &space);
