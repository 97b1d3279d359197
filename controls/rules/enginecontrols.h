#pragma once
// What the engine and fuel handlers write for what the user set: lever
// words, the engines a sync pass moves, cowl flaps, the automatic mixture's
// step and tank levels.
#include <cstdint>
#include <vector>

namespace rules {

// A lever bar's position (-100 full .. 0, or 20 for a propeller in reverse)
// as the lever word written: 16384 = 100 %, nearest, halves to even.
std::int16_t leverWord(int barPosition);

// The engines (1..4) whose lever a sync pass started from engine 1 or 2 moves,
// in order: the other engines the aircraft has. Engines 3 and 4 start none.
std::vector<int> syncedEngines(int engine, std::int64_t engines);

// The cowl flaps' open fraction for the knob's position (0..10).
constexpr double cowlFlapsFraction(int position) { return position / 10.0; }

// The automatic mixture's move of the mixture bar for an air mass ratio:
// -1 (one percent richer) below 0.082, +1 (leaner) above 0.084, else 0.
int autoMixtureStep(double ratio);

// A level bar's position (-100 full .. 0) as the tank level written,
// percent x 128 x 65536 truncated toward zero.
std::int32_t tankLevelFromBar(int barPosition);

} // namespace rules
