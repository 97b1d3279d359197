#pragma once
// The radios: NAV1 and NAV2 receive the VOR or localiser they are tuned to
// (radial, TO/FROM, course deviation, DME distance, speed and time, and on
// an ILS the glide path and markers), the ADF its NDB; all of them need the
// avionics master and a powered bus. Swapping active and standby is done the
// moment the panel writes the swap flags.
#include "modelio.h"
#include "modelstate.h"

// Carries out the swap flags written to 0x3123 and clears them.
void swapRadios(OffsetSpace &space);

// Full-scale deflections of the needles, in degrees off course.
inline constexpr double kVorFullScaleDeg = 10.0;
inline constexpr double kLocaliserFullScaleDeg = 2.5;
inline constexpr double kGlidePathFullScaleDeg = 0.7;

void stepRadios(ModelState &state, ModelIo &io, const Environment &env);
void publishRadios(const ModelState &state, OffsetSpace &space, const Environment &env);
