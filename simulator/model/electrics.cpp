// Reads: master battery, battery voltage (when the panel writes it),
// generator switches, avionics master, light switches, pitot heat, fuel
// pumps, the electrical failure flag. Writes: battery voltage, main bus and
// per-engine bus volts and amperes.
#include "electrics.h"

#include "aircraftpresets.h"

#include <algorithm>
#include <bit>

namespace {

constexpr double kDeadBatteryVolts = 18.0;
// At the aircraft's usual load a full battery lasts about an hour.
constexpr double kDrainVoltsPerSecondAtUsualLoad = 0.0015;
constexpr double kChargeVoltsPerSecond = 0.01;

bool generatorOnline(const ModelState &state, const OffsetSpace &space, int e)
{
    const EngineState &engine = state.engines[e];
    return space.get(var::Generator[e]) != 0 && engine.running &&
           engine.rpm >= 0.8 * state.preset->performance.idleRpm && space.get(var::ElectricalFailure) == 0;
}

bool apuOnline(const ModelState &state, const OffsetSpace &space)
{
    return state.apu.running && space.get(var::ElectricalFailure) == 0;
}

int onlineGenerators(const ModelState &state, const OffsetSpace &space)
{
    int n = 0;
    for (int e = 0; e < state.preset->engines; ++e)
        n += generatorOnline(state, space, e);
    return n;
}

// Amperes drawn from the main bus by what is switched on; the preset's bus
// current is the draw with the avionics on and nothing else.
double loadAmps(const ModelState &state, const OffsetSpace &space)
{
    const double base = state.preset->busAmps;
    const auto lights = space.get(var::Lights) & 0x3FF;
    double amps = base * (space.get(var::AvionicsMaster) ? 1.0 : 0.6);
    amps += std::popcount(std::uint32_t(lights)) * 0.08 * base;
    amps += space.get(var::PitotHeat) ? 0.5 * base : 0.0;
    amps += std::popcount(std::uint32_t(space.get(var::FuelPumps) & 0xF)) * 0.1 * base;
    return amps;
}

struct Buses {
    double mainVolts, mainAmps, chargeAmps;
};

Buses buses(const ModelState &state, const OffsetSpace &space)
{
    if (!state.busPowered)
        return {0.0, 0.0, 0.0};
    const double load = loadAmps(state, space);
    const bool charging = onlineGenerators(state, space) > 0 || apuOnline(state, space);
    if (!charging)
        return {std::max(0.0, state.batteryVolts - 0.2), load, 0.0};
    const double target = state.preset->batteryVolts + 0.5;
    const double charge = space.get(var::MasterBattery) && state.batteryVolts < target ? 0.15 * state.preset->busAmps : 0.0;
    return {generatorVolts(*state.preset), load + charge, charge};
}

} // namespace

double generatorVolts(const AircraftPreset &preset) { return std::max(28.0, preset.batteryVolts + 0.5); }

void stepElectrics(ModelState &state, ModelIo &io)
{
    if (io.written(var::BatteryVoltage))
        state.batteryVolts = std::max(0.0, io.getFloat(var::BatteryVoltage));
    const OffsetSpace &space = io.space;
    const bool failed = io.on(var::ElectricalFailure);
    const bool master = io.on(var::MasterBattery);
    const bool charging = onlineGenerators(state, space) > 0 || apuOnline(state, space);
    state.busPowered = !failed && (charging || (master && state.batteryVolts > kDeadBatteryVolts));
    if (!master || failed)
        return; // a battery off the bus keeps its charge
    const double target = state.preset->batteryVolts + 0.5;
    if (charging) {
        state.batteryVolts = std::min(target, state.batteryVolts + kChargeVoltsPerSecond * io.dt);
    } else {
        const double drain = loadAmps(state, space) / state.preset->busAmps * kDrainVoltsPerSecondAtUsualLoad * io.dt;
        state.batteryVolts = std::max(kDeadBatteryVolts - 2.0, state.batteryVolts - drain);
    }
}

void publishElectrics(const ModelState &state, OffsetSpace &space)
{
    const Buses b = buses(state, space);
    space.setFloat(var::BatteryVoltage, state.batteryVolts);
    space.setFloat(var::MainBusVoltage, b.mainVolts);
    space.setFloat(var::MainBusCurrent, b.mainAmps);
    const int generators = onlineGenerators(state, space);
    for (int e = 0; e < state.preset->engines; ++e) {
        const bool online = generatorOnline(state, space, e);
        space.setFloat(var::BusVoltage[e], online ? generatorVolts(*state.preset) : b.mainVolts);
        space.setFloat(var::BusCurrent[e], online ? b.mainAmps / generators : 0.0);
    }
}
