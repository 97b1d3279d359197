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
    : m_options(options),
      m_date(date ? *date : todayLocal()),
      m_clock(m_date.secondsOfDay, std::move(now)),
      m_identifier(kIdentifierMark | options.simIndex)
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
    // The client version lies inside the identifier. The panel's write is
    // taken as the client version and never shows through the identifier, so
    // a later handshake still finds 0xFADE; the operator may change both.
    m_effects.add(var::SimulatorId.offset, var::SimulatorId.size, [this](OffsetSpace &space, const WriteEvent &e) {
        if (e.source == WriteSource::Command) {
            m_identifier = static_cast<std::uint32_t>(space.get(var::SimulatorId));
            return;
        }
        if (e.offset < var::ClientVersion.end() && var::ClientVersion.offset < e.offset + e.size)
            m_clientVersion = static_cast<std::uint16_t>(space.get(var::ClientVersion));
        space.set(var::SimulatorId, m_identifier);
    });
}

void SimulatorCore::writeHandshake()
{
    m_space.set(var::FsuipcVersion, m_options.version);
    m_space.set(var::SimulatorId, m_identifier);
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

int SimulatorCore::processBlock(std::span<std::uint8_t> bytes)
{
    std::vector<std::string> trace;
    TraceSink sink;
    {
        std::lock_guard lock(m_mutex);
        if (block::parse(bytes, m_records) != block::Fault::None) {
            ++m_refused;
            return 0;
        }
        catchUp();
        const bool tracing = m_trace;
        block::apply(bytes, m_records, m_space, [&](std::uint32_t offset, std::span<const std::uint8_t> data) {
            m_effects.run(m_space, {offset, static_cast<std::uint32_t>(data.size()), WriteSource::Panel});
            if (tracing)
                trace.push_back("W " + cmd::offsetText(offset) + " " + std::to_string(data.size()) + " " +
                                cmd::toHex(data));
        });
        if (!trace.empty())
            sink = m_sink;
    }
    if (sink)
        for (const std::string &line : trace)
            sink(line);
    return 1;
}

std::string SimulatorCore::command(std::string_view line)
{
    const std::vector<std::string_view> words = cmd::split(line);
    if (words.empty())
        return "ERR empty command";
    const std::string_view verb = words[0];
    if (verb == "read")
        return readCommand(words);
    if (verb == "write")
        return writeCommand(words);
    if (verb == "trace") {
        if (words.size() == 2 && (words[1] == "on" || words[1] == "off")) {
            m_trace = words[1] == "on";
            return "OK";
        }
        return "ERR usage: trace on|off";
    }
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
    if (verb == "quit" && words.size() == 1) {
        m_quit = true;
        return "OK";
    }
    return "ERR unknown command '" + std::string(verb) + "'";
}

std::string SimulatorCore::readCommand(std::span<const std::string_view> words)
{
    if (words.size() != 3)
        return "ERR usage: read 0xOOOO N";
    const auto offset = cmd::parseHexNumber(words[1], OffsetSpace::kSize - 1);
    if (!offset)
        return "ERR offset must be 0x0000..0xFFFF";
    const auto count = cmd::parseDecimal(words[2], OffsetSpace::kSize);
    if (!count || *count == 0)
        return "ERR length must be 1..65536";
    if (!OffsetSpace::contains(*offset, *count))
        return "ERR offset + length past 0xFFFF";
    return "OK " + cmd::toHex(peek(*offset, *count));
}

std::string SimulatorCore::writeCommand(std::span<const std::string_view> words)
{
    if (words.size() != 3)
        return "ERR usage: write 0xOOOO <hex>";
    const auto offset = cmd::parseHexNumber(words[1], OffsetSpace::kSize - 1);
    if (!offset)
        return "ERR offset must be 0x0000..0xFFFF";
    const auto data = cmd::parseHexBytes(words[2]);
    if (!data)
        return "ERR data must be pairs of hex digits";
    if (!OffsetSpace::contains(*offset, data->size()))
        return "ERR offset + length past 0xFFFF";
    std::lock_guard lock(m_mutex);
    catchUp();
    m_space.write(*offset, *data);
    m_effects.run(m_space, {*offset, static_cast<std::uint32_t>(data->size()), WriteSource::Command});
    return "OK";
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

void SimulatorCore::setTraceSink(TraceSink sink)
{
    std::lock_guard lock(m_mutex);
    m_sink = std::move(sink);
}

std::vector<std::uint8_t> SimulatorCore::peek(std::uint32_t offset, std::uint32_t size)
{
    std::lock_guard lock(m_mutex);
    catchUp();
    const auto b = m_space.bytes(offset, size);
    return {b.begin(), b.end()};
}

std::uint16_t SimulatorCore::clientVersion() const
{
    std::lock_guard lock(m_mutex);
    return m_clientVersion;
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

