#pragma once
// The aircraft behind the offsets: a small deterministic model stepped at a
// fixed 20 Hz of simulated time. Each step reads what the panel writes
// (levers, switches, targets) from the offset space, takes over any value
// of its own that someone else wrote since its last step (a tank level, the
// battery voltage, the altitude...), moves the aircraft on and writes every
// offset the panel reads. Nothing here serves the link or parses commands:
// the model sees the offset space and nothing else.
#include "modelstate.h"
#include "offsetspace.h"
#include "scenarios.h"

class WriteEffects;
struct AircraftPreset;

class AircraftModel {
public:
    static constexpr double kStepSeconds = 0.05;
    static constexpr std::int64_t kStepMicros = 50000;

    // Takes the aircraft as the space holds it, just after its preset was
    // loaded; the space is not changed.
    void load(const AircraftPreset &preset, const OffsetSpace &space);
    // Puts the loaded aircraft into a scenario and publishes it.
    void applyScenario(Scenario scenario, OffsetSpace &space);
    // One step of kStepSeconds.
    void step(OffsetSpace &space);

    // What cannot wait for the next step: the throttle of engines 1 and 2
    // written where it is read back, radio swaps, the date fields after the
    // day of the year, the fuel pump switches after the pump bits.
    static void addWriteAnswers(WriteEffects &effects);

    const ModelState &state() const { return m_state; }

private:
    void publish(OffsetSpace &space);

    ModelState m_state;
    OffsetSpace m_seen; // the space as the model last left it
};
