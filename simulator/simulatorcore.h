#pragma once
// The stand-in simulator without its window: a far-end core (offset space,
// handshake registers, write effects, blocks, trace) with the running clock,
// the aircraft and its model, the fault modes and the operator's commands
// behind it. The serving window (see linkwindow.h) hands it each block; tests
// drive it directly.
//
// The model is stepped lazily: before a block or a command is served, it
// makes up the 20 Hz steps that simulated time has run since (at most a
// minute of them after a quiet spell). Frozen, it takes only the steps the
// operator asks for.
//
// Thread use: processBlock and admit run on the window's serving thread,
// command on the operator's; the core's mutex keeps every block and command
// whole.
#include "aircraftmodel.h"
#include "aircraftpresets.h"
#include "farendcore.h"
#include "simclock.h"
#include "simcommands.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>

enum class FaultMode {
    None,   // answer every request
    Silent, // take requests, never answer
    Late,   // answer after a delay
    Reject, // answer 0 without applying anything
    Close,  // no window at all
};

class SimulatorCore : public FarEndCore {
public:
    // `now` and `date` stand in for the machine's clock and calendar in tests.
    explicit SimulatorCore(const SimulatorOptions &options, SimClock::Source now = {},
                           std::optional<PresetDate> date = std::nullopt);

    // One command line in, one answer line out (no newline).
    std::string command(std::string_view line) override;

    // What the next request gets under the fault mode. For "late" this waits
    // first; cancelWaits(true) ends such a wait at once (with Ignore) and
    // keeps ending them until cancelWaits(false).
    Admission admit() override;
    void cancelWaits(bool cancel) override;
    FaultMode faultMode() const;

    std::string aircraft() const;
    bool frozen() const;
    const SimulatorOptions &options() const { return m_options; }

protected:
    void bringUpToDate() override { catchUp(); } // the clock's bytes, then the model's due steps

private:
    std::string faultCommand(std::span<const std::string_view> words);
    std::string aircraftCommand(std::span<const std::string_view> words);
    std::string scenarioCommand(std::span<const std::string_view> words);
    std::string failCommand(std::span<const std::string_view> words);
    std::string freezeCommand(std::span<const std::string_view> words);
    std::string stepCommand(std::span<const std::string_view> words);
    std::string setCommand(std::span<const std::string_view> words);

    // Callers hold m_mutex.
    void loadAircraft(const AircraftPreset &preset);
    void refreshClock();
    void catchUp();        // the clock's bytes, then the model's due steps
    void restartSteps();   // steps are counted from now on
    void registerEffects();

    const SimulatorOptions m_options;
    const PresetDate m_date;

    SimClock m_clock;
    std::string m_aircraft;
    const AircraftPreset *m_preset = nullptr;
    AircraftModel m_model;
    std::optional<Scenario> m_scenario;
    bool m_frozen = true;
    std::int64_t m_stepsTaken = 0; // in simulated time, kStepMicros each

    mutable std::mutex m_faultMutex;
    std::condition_variable m_faultChanged;
    FaultMode m_fault = FaultMode::None;
    std::uint32_t m_lateMs = 0;
    bool m_cancelWaits = false;
};
