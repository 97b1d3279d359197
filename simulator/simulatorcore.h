#pragma once
// The stand-in simulator without its window: the offset space with the
// handshake registers, the running clock, the aircraft and its model, the
// write effects, the fault modes and the operator's commands. The serving
// window (see standinsimulator.h) hands it each block; tests drive it
// directly.
//
// The model is stepped lazily: before a block or a command is served, it
// makes up the 20 Hz steps that simulated time has run since (at most a
// minute of them after a quiet spell). Frozen, it takes only the steps the
// operator asks for.
//
// Thread use: processBlock and admit run on the window's serving thread,
// command on the operator's; one mutex keeps every block and command whole.
#include "aircraftmodel.h"
#include "aircraftpresets.h"
#include "offsetspace.h"
#include "requestblock.h"
#include "simclock.h"
#include "simcommands.h"
#include "writeeffects.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

enum class FaultMode {
    None,   // answer every request
    Silent, // take requests, never answer
    Late,   // answer after a delay
    Reject, // answer 0 without applying anything
    Close,  // no window at all
};

class SimulatorCore {
public:
    static constexpr std::uint32_t kIdentifierMark = 0xFADE0000;

    using TraceSink = std::function<void(const std::string &line)>;

    // `now` and `date` stand in for the machine's clock and calendar in tests.
    explicit SimulatorCore(const SimulatorOptions &options, SimClock::Source now = {},
                           std::optional<PresetDate> date = std::nullopt);

    // One block of the link: checked whole, then applied in order. Returns the
    // message result: 1 done, 0 refused with nothing changed.
    int processBlock(std::span<std::uint8_t> block);

    // One command line in, one answer line out (no newline).
    std::string command(std::string_view line);
    bool quitRequested() const { return m_quit; }

    // What the next request gets under the fault mode. For "late" this waits
    // first; cancelWaits(true) ends such a wait at once (with Ignore) and
    // keeps ending them until cancelWaits(false).
    enum class Admission { Serve, Reject, Ignore };
    Admission admit();
    void cancelWaits(bool cancel);
    FaultMode faultMode() const;

    // Receives the "W 0xOOOO N <hex>" lines while tracing is on, on the
    // serving thread, after the block is applied and before it is answered.
    void setTraceSink(TraceSink sink);

    // Under the lock, with the clock brought up to date first.
    std::vector<std::uint8_t> peek(std::uint32_t offset, std::uint32_t size);
    std::uint16_t clientVersion() const;
    std::string aircraft() const;
    bool frozen() const;
    const SimulatorOptions &options() const { return m_options; }
    std::uint64_t refusedBlocks() const { return m_refused; }

private:
    std::string readCommand(std::span<const std::string_view> words);
    std::string writeCommand(std::span<const std::string_view> words);
    std::string faultCommand(std::span<const std::string_view> words);
    std::string aircraftCommand(std::span<const std::string_view> words);
    std::string scenarioCommand(std::span<const std::string_view> words);
    std::string failCommand(std::span<const std::string_view> words);
    std::string freezeCommand(std::span<const std::string_view> words);
    std::string stepCommand(std::span<const std::string_view> words);
    std::string setCommand(std::span<const std::string_view> words);

    // Callers hold m_mutex.
    void loadAircraft(const AircraftPreset &preset);
    void writeHandshake();
    void refreshClock();
    void catchUp();        // the clock's bytes, then the model's due steps
    void restartSteps();   // steps are counted from now on
    void registerEffects();
    void emit(const std::vector<std::string> &lines);

    const SimulatorOptions m_options;
    const PresetDate m_date;

    mutable std::mutex m_mutex;
    OffsetSpace m_space;
    SimClock m_clock;
    WriteEffects m_effects;
    std::vector<block::Record> m_records;
    std::uint32_t m_identifier;
    std::uint16_t m_clientVersion = 0;
    std::string m_aircraft;
    const AircraftPreset *m_preset = nullptr;
    AircraftModel m_model;
    std::optional<Scenario> m_scenario;
    bool m_frozen = true;
    std::int64_t m_stepsTaken = 0; // in simulated time, kStepMicros each
    TraceSink m_sink;

    std::atomic<bool> m_trace{false};
    std::atomic<bool> m_quit{false};
    std::atomic<std::uint64_t> m_refused{0};

    mutable std::mutex m_faultMutex;
    std::condition_variable m_faultChanged;
    FaultMode m_fault = FaultMode::None;
    std::uint32_t m_lateMs = 0;
    bool m_cancelWaits = false;
};
