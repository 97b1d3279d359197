#pragma once
// The fuel system: each engine draws its fuel flow from the tanks its
// selector (and the cross-feed) connects, shared evenly among those that
// still hold fuel; an engine whose tanks are dry or whose valve is shut is
// starved. Tank levels written by the panel are taken as they come.
#include "modelio.h"
#include "modelstate.h"

#include <cstdint>

// The tanks (bits in the order of catalogue::FuelTanks) that a selector
// position connects for engine `engine` of `engines`.
std::uint32_t tanksForSelector(int selector, int engine, int engines, bool crossfeed);

void stepFuel(ModelState &state, ModelIo &io);
void publishFuel(const ModelState &state, OffsetSpace &space);
