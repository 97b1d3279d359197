// The operator's commands for the aircraft model: scenario, fail, freeze,
// step and set. Each answers one line; a command that is refused changes
// nothing.
#include "catalogue.h"
#include "simulatorcore.h"
#include "variablenames.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr std::uint32_t kMaxSteps = 20 * 3600; // an hour of simulated time

// A failure (or door) and the bits of its flag that say so.
struct Failure {
    std::string_view name;
    catalogue::Variable flag;
    std::int64_t bits;
};

constexpr std::array kFailures{
    Failure{"electrical", var::ElectricalFailure, 1},
    Failure{"engine", var::EngineFailure, 1}, // engine 1
    Failure{"hydraulics", var::HydraulicsFailure, 1},
    Failure{"brakes", var::BrakeFailure, 1},
    Failure{"vacuum", var::VacuumFailure, 1},
    Failure{"fire", var::EngineFire, 1}, // engine 1
    Failure{"ice", var::Ice1, 16384},       // structural ice
    Failure{"pitotice", var::Ice2, 16384},  // melted by pitot heat
    Failure{"apufire", var::ApuLamp, 1},
    Failure{"door1", var::Doors, 1 << 0}, // the main door
    Failure{"door2", var::Doors, 1 << 1},
    Failure{"door3", var::Doors, 1 << 2},
    Failure{"door4", var::Doors, 1 << 3},
    Failure{"door5", var::Doors, 1 << 4},
    Failure{"door6", var::Doors, 1 << 5},
    Failure{"door7", var::Doors, 1 << 6},
    Failure{"door8", var::Doors, 1 << 7},
};

std::string failureNames()
{
    std::string names;
    for (const Failure &f : kFailures)
        names += (names.empty() ? "" : ", ") + std::string(f.name);
    return names;
}

// The range a variable's bytes can hold, signed or not.
bool fits(const catalogue::Variable &v, std::int64_t value)
{
    const int bits = 8 * std::min<int>(v.ownedSize(), 8);
    if (bits >= 64)
        return true;
    if (v.encoding == catalogue::Encoding::Signed)
        return value >= -(std::int64_t(1) << (bits - 1)) && value < (std::int64_t(1) << (bits - 1));
    return value >= 0 && value < (std::int64_t(1) << bits);
}

} // namespace

std::string SimulatorCore::scenarioCommand(std::span<const std::string_view> words)
{
    const auto scenario = words.size() == 2 ? scenarioNamed(words[1]) : std::nullopt;
    if (!scenario)
        return "ERR usage: scenario parked|taxi|cruise|approach";
    std::lock_guard lock(m_mutex);
    refreshClock();
    m_scenario = scenario;
    loadAircraft(*m_preset);
    return "OK";
}

std::string SimulatorCore::failCommand(std::span<const std::string_view> words)
{
    const auto it = words.size() == 3 ? std::find_if(kFailures.begin(), kFailures.end(),
                                                     [&](const Failure &f) { return f.name == words[1]; })
                                      : kFailures.end();
    if (it == kFailures.end() || (words[2] != "on" && words[2] != "off"))
        return "ERR usage: fail NAME on|off, NAME one of " + failureNames();
    std::lock_guard lock(m_mutex);
    catchUp();
    const std::int64_t flag = m_space.get(it->flag);
    m_space.set(it->flag, words[2] == "on" ? flag | it->bits : flag & ~it->bits);
    return "OK";
}

std::string SimulatorCore::freezeCommand(std::span<const std::string_view> words)
{
    if (words.size() != 2 || (words[1] != "on" && words[1] != "off"))
        return "ERR usage: freeze on|off";
    std::lock_guard lock(m_mutex);
    catchUp(); // steps due so far are taken before freezing, none after
    m_frozen = words[1] == "on";
    restartSteps();
    return "OK";
}

std::string SimulatorCore::stepCommand(std::span<const std::string_view> words)
{
    const auto count = words.size() == 2 ? cmd::parseDecimal(words[1], kMaxSteps) : std::nullopt;
    if (!count || *count == 0)
        return "ERR usage: step N, N 1.." + std::to_string(kMaxSteps);
    std::lock_guard lock(m_mutex);
    if (!m_frozen)
        return "ERR step needs freeze on";
    catchUp();
    for (std::uint32_t i = 0; i < *count; ++i)
        m_model.step(m_space);
    return "OK";
}

std::string SimulatorCore::setCommand(std::span<const std::string_view> words)
{
    if (words.size() < 3)
        return "ERR usage: set NAME VALUE";
    const catalogue::Variable *v = variableNamed(words[1]);
    if (!v)
        return "ERR unknown variable '" + std::string(words[1]) + "'";
    using catalogue::Encoding;
    std::lock_guard lock(m_mutex);
    catchUp();
    if (v->encoding == Encoding::Characters) {
        // The rest of the line, words joined by single blanks.
        std::string text(words[2]);
        for (std::size_t i = 3; i < words.size(); ++i)
            text += " " + std::string(words[i]);
        if (text.size() > v->ownedSize())
            return "ERR text longer than " + std::to_string(v->ownedSize()) + " characters";
        m_space.setText(*v, text);
    } else if (words.size() != 3) {
        return "ERR usage: set NAME VALUE";
    } else if (v->encoding == Encoding::Float32 || v->encoding == Encoding::Float64) {
        const auto value = cmd::parseReal(words[2]);
        if (!value || (v->encoding == Encoding::Float32 && std::fabs(*value) > std::numeric_limits<float>::max()))
            return "ERR value must be a finite number";
        m_space.setFloat(*v, *value);
    } else {
        const auto value = cmd::parseInteger(words[2]);
        if (!value || !fits(*v, *value))
            return "ERR value must be a whole number that fits " + std::to_string(v->ownedSize()) + " bytes";
        m_space.set(*v, *value);
    }
    m_effects.run(m_space, {v->offset, v->ownedSize(), WriteSource::Command});
    return "OK";
}
