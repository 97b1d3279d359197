#include "simulatorcore.h"

#include "catalogue.h"

#include <chrono>

namespace {

constexpr std::uint32_t kMaxLateMs = 3600 * 1000;
// After a quiet spell the model makes up at most this many steps (a
// minute), so one request never waits on hours of flying.
constexpr std::int64_t kMaxCatchUpSteps = 20 * 60;

PresetDate withTime(PresetDate date, int secondsOfDay)
{
    date.secondsOfDay = secondsOfDay;
    return date;
}

} // namespace

SimulatorCore::SimulatorCore(const SimulatorOptions &options, SimClock::Source now, std::optional<PresetDate> date)
    : FarEndCore(options.version, options.simIndex),
      m_options(options),
      m_date(date ? *date : todayLocal()),
      m_clock(m_date.secondsOfDay, std::move(now))
{
    registerEffects();
    const AircraftPreset *preset = findPreset(options.aircraft);
    std::lock_guard lock(m_mutex);
    m_scenario = scenarioNamed(options.scenario);
    m_frozen = !m_scenario; // without a scenario the preset stands still until told
    loadAircraft(preset ? *preset : *findPreset(kDefaultAircraft));
}

void SimulatorCore::registerEffects()
{
    // The panel sets the clock: run on from the time it wrote.
    m_effects.add(var::ClockHour.offset, 3, [this](OffsetSpace &space, const WriteEvent &) {
        const auto b = space.bytes(var::ClockHour.offset, 3);
        m_clock.set(b[0] * 3600 + b[1] * 60 + b[2]);
    });
    // The rate runs the clock and the model: 256 real time, 0 stopped.
    m_effects.add(var::SimulationRate.offset, var::SimulationRate.size, [this](OffsetSpace &space, const WriteEvent &) {
        m_clock.setRate(int(space.get(var::SimulationRate)));
    });
    AircraftModel::addWriteAnswers(m_effects);
}

void SimulatorCore::refreshClock()
{
    const ClockBytes b = clockBytes(m_clock.secondsOfDay());
    const std::uint8_t bytes[3] = {b.hour, b.minute, b.second};
    m_space.write(var::ClockHour.offset, bytes);
}

void SimulatorCore::loadAircraft(const AircraftPreset &preset)
{
    m_space.clear();
    loadPreset(m_space, preset, withTime(m_date, m_clock.secondsOfDay()));
    writeHandshake();
    m_clock.setRate(int(m_space.get(var::SimulationRate)));
    m_aircraft = std::string(preset.name);
    m_preset = &preset;
    m_model.load(preset, m_space);
    if (m_scenario)
        m_model.applyScenario(*m_scenario, m_space);
    restartSteps();
}

void SimulatorCore::restartSteps() { m_stepsTaken = m_clock.simulatedMicros() / AircraftModel::kStepMicros; }

void SimulatorCore::catchUp()
{
    refreshClock();
    const std::int64_t due = m_clock.simulatedMicros() / AircraftModel::kStepMicros;
    if (m_frozen || due - m_stepsTaken > kMaxCatchUpSteps)
        m_stepsTaken = m_frozen ? due : due - kMaxCatchUpSteps;
    for (; m_stepsTaken < due; ++m_stepsTaken)
        m_model.step(m_space);
}

std::string SimulatorCore::command(std::string_view line)
{
    const std::vector<std::string_view> words = cmd::split(line);
    if (words.empty())
        return "ERR empty command";
    if (auto answer = commonCommand(words))
        return *answer;
    const std::string_view verb = words[0];
    if (verb == "fault")
        return faultCommand(words);
    if (verb == "aircraft")
        return aircraftCommand(words);
    if (verb == "scenario")
        return scenarioCommand(words);
    if (verb == "fail")
        return failCommand(words);
    if (verb == "freeze")
        return freezeCommand(words);
    if (verb == "step")
        return stepCommand(words);
    if (verb == "set")
        return setCommand(words);
    return "ERR unknown command '" + std::string(verb) + "'";
}

std::string SimulatorCore::faultCommand(std::span<const std::string_view> words)
{
    FaultMode mode;
    std::uint32_t lateMs = 0;
    if (words.size() == 2 && words[1] == "none")
        mode = FaultMode::None;
    else if (words.size() == 2 && words[1] == "silent")
        mode = FaultMode::Silent;
    else if (words.size() == 2 && words[1] == "reject")
        mode = FaultMode::Reject;
    else if (words.size() == 2 && words[1] == "close")
        mode = FaultMode::Close;
    else if (words.size() == 3 && words[1] == "late") {
        const auto ms = cmd::parseDecimal(words[2], kMaxLateMs);
        if (!ms)
            return "ERR late needs milliseconds 0.." + std::to_string(kMaxLateMs);
        mode = FaultMode::Late;
        lateMs = *ms;
    } else
        return "ERR usage: fault none|silent|late MS|reject|close";
    {
        std::lock_guard lock(m_faultMutex);
        m_fault = mode;
        m_lateMs = lateMs;
    }
    m_faultChanged.notify_all();
    return "OK";
}

std::string SimulatorCore::aircraftCommand(std::span<const std::string_view> words)
{
    if (words.size() != 2)
        return "ERR usage: aircraft NAME";
    const AircraftPreset *preset = findPreset(words[1]);
    if (!preset) {
        std::string known;
        for (const AircraftPreset &p : aircraftPresets())
            known += (known.empty() ? "" : ", ") + std::string(p.name);
        return "ERR unknown aircraft '" + std::string(words[1]) + "' (known: " + known + ")";
    }
    std::lock_guard lock(m_mutex);
    loadAircraft(*preset);
    return "OK";
}

SimulatorCore::Admission SimulatorCore::admit()
{
    std::unique_lock lock(m_faultMutex);
    switch (m_fault) {
    case FaultMode::None: return m_cancelWaits ? Admission::Ignore : Admission::Serve;
    case FaultMode::Silent:
    case FaultMode::Close: return Admission::Ignore;
    case FaultMode::Reject: return Admission::Reject;
    case FaultMode::Late: break;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_lateMs);
    m_faultChanged.wait_until(lock, deadline, [this] { return m_cancelWaits; });
    return m_cancelWaits ? Admission::Ignore : Admission::Serve;
}

void SimulatorCore::cancelWaits(bool cancel)
{
    {
        std::lock_guard lock(m_faultMutex);
        m_cancelWaits = cancel;
    }
    m_faultChanged.notify_all();
}

FaultMode SimulatorCore::faultMode() const
{
    std::lock_guard lock(m_faultMutex);
    return m_fault;
}

std::string SimulatorCore::aircraft() const
{
    std::lock_guard lock(m_mutex);
    return m_aircraft;
}

bool SimulatorCore::frozen() const
{
    std::lock_guard lock(m_mutex);
    return m_frozen;
}

