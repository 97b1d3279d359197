// Reads: throttle, propeller and mixture levers, magnetos, carburettor heat,
// cowl flaps, propeller feather, auto-feather, propeller sync, fuel valves,
// fuel pumps, hydraulic pumps, the engine failure, fire and hydraulics
// failure flags. Writes: combustion, RPM, manifold pressure, fuel flow and
// pressure, temperatures, oil pressure, torque, air mass ratio, hydraulic
// pressure, alarm flags, the fuel pump switches, the magnetos when the
// starter key springs back and the feather switch when auto-feather acts.
#include "engines.h"

#include "aircraftpresets.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kEconomyRatio = 0.083; // the middle of the automatic mixture's band
constexpr double kBestPowerRatio = 0.077;
constexpr double kIdleCutoffRatio = 0.03;
constexpr double kHydraulicPsi = 3000;

double approach(double value, double target, double dt, double tau)
{
    return value + (target - value) * std::min(1.0, dt / tau);
}

double ambientInHg(double altitudeFt, const Environment &env)
{
    return 29.92 * geo::pressureRatio(altitudeFt, env.qnhMb);
}

double oatF(const Environment &env) { return conv::celsiusToFahrenheit(env.oatC); }

double fuelAirRatio(double mixture, const Environment &env)
{
    return 0.02 + 0.07 * std::clamp(mixture, 0.0, 1.0) / std::sqrt(std::max(env.densityRatio, 0.05));
}

EngineTargets pistonTargets(const PresetPerformance &perf, bool constantSpeed, const EngineLevers &l,
                            double altitudeFt, const Environment &env, double iasKts, double cruiseIas)
{
    const double throttle = std::clamp(l.throttle, 0.0, 1.0);
    double rpm = perf.idleRpm + (perf.ratedRpm - perf.idleRpm) * std::pow(throttle, 0.6);
    if (constantSpeed) {
        const double governed = perf.ratedRpm * (0.65 + 0.35 * std::clamp(l.propeller, 0.0, 1.0));
        rpm = throttle < 0.3 ? std::min(governed, rpm * 1.25) : governed;
    } else if (iasKts > 0) {
        rpm += (iasKts - cruiseIas) * 3.0; // a fixed propeller speeds up with the airspeed
    }
    rpm = std::clamp(rpm, perf.idleRpm, perf.ratedRpm * 1.05);
    const double ratio = fuelAirRatio(l.mixture, env);
    const double map = ambientInHg(altitudeFt, env) * (0.28 + 0.72 * throttle) * (l.carbHeat ? 0.95 : 1.0);
    const double efficiency = std::max(0.0, 1.0 - 400.0 * (ratio - kBestPowerRatio) * (ratio - kBestPowerRatio)) *
                              (l.magnetos == 1 || l.magnetos == 2 ? 0.97 : 1.0) * (l.carbHeat ? 0.92 : 1.0);
    const double power = map / 29.92 * (0.45 + 0.55 * rpm / perf.ratedRpm) * efficiency;
    const double flow = std::max(perf.idleFuelFlowPph, perf.fullFuelFlowPph * power * ratio / kBestPowerRatio);
    const double t = oatF(env);
    const double egt = t + (900 + 500 * power) * (1.0 - 4.0 * std::fabs(ratio - 0.067));
    const double cht = t + 120 + 280 * power - 50 * std::clamp(l.cowlFlaps, 0.0, 1.0) - std::min(60.0, iasKts * 0.3);
    const double torque = perf.ratedHp * power * 5252.0 / rpm;
    // What turns the propeller at idle gives no thrust yet.
    const double thrust = std::max(-0.05, (power - 0.15) / 0.85);
    return {rpm, thrust, flow, map, ratio, egt, cht, env.oatC + 55 + 35 * power, 25 + 55 * rpm / perf.ratedRpm, torque};
}

EngineTargets turbineTargets(const PresetPerformance &perf, const EngineLevers &l, double altitudeFt,
                             const Environment &env)
{
    const double idleN1 = perf.idleRpm / perf.ratedRpm;
    const double x = std::clamp(std::fabs(l.throttle), 0.0, 1.0);
    const double n1 = idleN1 + (1.0 - idleN1) * x;
    const double thrust = (0.04 + 0.96 * std::pow(x, 1.6)) * std::pow(env.densityRatio, 0.75) * (l.throttle < 0 ? -0.5 : 1.0);
    const double flow = (perf.idleFuelFlowPph + (perf.fullFuelFlowPph - perf.idleFuelFlowPph) * std::pow(x, 1.4)) *
                        std::pow(geo::pressureRatio(altitudeFt, env.qnhMb), 0.8);
    const double t = oatF(env);
    return {n1 * perf.ratedRpm, thrust, flow, 0.0, 0.0, t + 750 + 500 * x, t, env.oatC + 60 + 25 * x, 35 + 15 * x, 0.0};
}

EngineLevers leversOf(const ModelIo &io, int e)
{
    return {io.lever(var::ThrottleLever[e]), io.lever(var::PropellerLever[e]), io.lever(var::MixtureLever[e]),
            int(io.get(var::Magnetos[e])), io.on(var::CarbHeat[e]),
            std::clamp(io.getFloat(var::CowlFlaps[e]), 0.0, 1.0)};
}

// Propeller sync holds every constant-speed propeller near engine 1's at
// engine 1's RPM.
double syncedRpm(const ModelState &state, const ModelIo &io, int e, double rpm)
{
    if (e == 0 || !io.on(var::PropSync) || !state.engines[0].running || state.preset->propellerType != 1)
        return rpm;
    const double lead = state.engines[0].rpm;
    return std::fabs(lead - rpm) < 0.05 * state.preset->performance.ratedRpm ? lead : rpm;
}

void stepEngine(ModelState &state, ModelIo &io, const Environment &env, int e)
{
    const AircraftPreset &p = *state.preset;
    const PresetPerformance &perf = p.performance;
    const bool turbine = isTurbine(p);
    EngineState &s = state.engines[e];
    const EngineLevers levers = leversOf(io, e);
    const FlightState &f = state.flight;
    const bool failed = e == 0 && io.on(var::EngineFailure);
    const bool feathered = p.propellerType == 1 && io.on(var::PropellerFeather[e]);
    const bool ignition = levers.magnetos >= 1;
    const bool mixtureOk = turbine || !p.mixture || fuelAirRatio(levers.mixture, env) >= kIdleCutoffRatio;
    const bool canRun = ignition && s.fed && io.on(var::FuelValve[e]) && mixtureOk && !failed;

    if (s.running && !canRun) {
        // Without fuel (tanks dry or valve shut) an engine runs on for what its
        // lines hold; without ignition or mixture, or failed, it stops at once.
        s.starvedSeconds += ignition && mixtureOk && !failed ? io.dt : 1e9;
        if (s.starvedSeconds > 1.5)
            s.running = false;
    } else {
        s.starvedSeconds = 0;
    }

    const bool cranking = !s.running && levers.magnetos == 4 && state.busPowered && !failed;
    s.crankSeconds = cranking ? s.crankSeconds + io.dt : 0.0;
    if (cranking && canRun && s.crankSeconds >= (turbine ? 8.0 : 1.5)) {
        s.running = true;
        s.crankSeconds = 0;
        io.space.set(var::Magnetos[e], 3); // the starter key springs back to both
    }

    EngineTargets t = turbine ? turbineTargets(perf, levers, f.altitudeFt, env)
                              : pistonTargets(perf, p.propellerType == 1, levers, f.altitudeFt, env,
                                              f.onGround ? 0.0 : f.iasKts, state.cruiseIasKts);
    const bool airborne = !f.onGround;
    if (!s.running) {
        const double windmill = airborne && !feathered ? std::min(f.iasKts * (turbine ? 8.0 : 6.0), 0.5 * perf.ratedRpm) : 0.0;
        const double starter = cranking ? (turbine ? 0.18 : 0.1) * perf.ratedRpm : 0.0;
        t = {std::max(windmill, starter), airborne && !feathered ? -0.02 : 0.0, 0.0, ambientInHg(f.altitudeFt, env), 0.0,
             oatF(env), oatF(env), env.oatC, 0.0, 0.0};
    } else if (feathered) {
        t.rpm = 0;
        t.thrust = 0;
        t.torque = 0;
    }
    t.rpm = syncedRpm(state, io, e, t.rpm);

    const double dt = io.dt;
    s.rpm = approach(s.rpm, t.rpm, dt, turbine ? 2.5 : 0.8);
    s.thrust = approach(s.thrust, t.thrust, dt, turbine ? 2.5 : 0.8);
    s.torque = approach(s.torque, t.torque, dt, 0.8);
    s.fuelFlowPph = s.running ? approach(s.fuelFlowPph, t.fuelFlowPph, dt, turbine ? 2.5 : 0.8) : 0.0;
    s.manifoldInHg = approach(s.manifoldInHg, t.manifoldInHg, dt, 0.5);
    s.airMassRatio = s.running && !turbine ? t.airMassRatio : 0.0;
    s.egtF = approach(s.egtF, t.egtF, dt, turbine ? 3.0 : 8.0);
    s.chtF = approach(s.chtF, t.chtF, dt, 45.0);
    s.oilTempC = approach(s.oilTempC, t.oilTempC, dt, 90.0);
    s.oilPsi = approach(s.oilPsi, t.oilPsi, dt, 1.0);

    // Auto-feather: a constant-speed propeller whose engine quits in flight
    // goes to feather by itself.
    if (io.on(var::AutoFeather) && p.propellerType == 1 && p.engines > 1 && airborne && !s.running && !feathered)
        io.space.set(var::PropellerFeather[e], 1);
}

} // namespace

bool isTurbine(const AircraftPreset &preset) { return preset.engineType == 1 || preset.engineType == 5; }

EngineTargets runningTargets(const AircraftPreset &preset, const EngineLevers &levers, double altitudeFt,
                             const Environment &env, double iasKts)
{
    if (isTurbine(preset))
        return turbineTargets(preset.performance, levers, altitudeFt, env);
    return pistonTargets(preset.performance, preset.propellerType == 1, levers, altitudeFt, env, iasKts, iasKts);
}

double economyMixture(const AircraftPreset &preset, double, const Environment &env)
{
    if (isTurbine(preset) || !preset.mixture)
        return 0.0;
    return std::clamp((kEconomyRatio - 0.02) * std::sqrt(env.densityRatio) / 0.07, 0.0, 1.0);
}

double throttleForThrust(const AircraftPreset &preset, double thrust, double propeller, double altitudeFt,
                         const Environment &env)
{
    // Thrust grows with the throttle; halve the interval until it is found.
    double low = 0.0, high = 1.0;
    for (int i = 0; i < 40; ++i) {
        const double mid = (low + high) / 2;
        const EngineLevers levers{mid, propeller, economyMixture(preset, altitudeFt, env), 3, false, 0.0};
        (runningTargets(preset, levers, altitudeFt, env, 0).thrust < thrust ? low : high) = mid;
    }
    return (low + high) / 2;
}

void stepEngines(ModelState &state, ModelIo &io, const Environment &env)
{
    for (int e = 0; e < state.preset->engines; ++e)
        stepEngine(state, io, env, e);
}

void settleEngine(ModelState &state, int e, bool running, const EngineLevers &levers, const Environment &env)
{
    EngineState &s = state.engines[e];
    s = EngineState{};
    s.running = running;
    const double t = conv::celsiusToFahrenheit(env.oatC);
    if (!running) {
        s.egtF = s.chtF = t;
        s.oilTempC = env.oatC;
        s.manifoldInHg = 29.92 * geo::pressureRatio(state.flight.altitudeFt, env.qnhMb);
        return;
    }
    const EngineTargets r = runningTargets(*state.preset, levers, state.flight.altitudeFt, env,
                                           state.flight.onGround ? 0.0 : state.flight.iasKts);
    s.rpm = r.rpm;
    s.thrust = r.thrust;
    s.fuelFlowPph = r.fuelFlowPph;
    s.manifoldInHg = r.manifoldInHg;
    s.airMassRatio = isTurbine(*state.preset) ? 0.0 : r.airMassRatio;
    s.egtF = r.egtF;
    s.chtF = r.chtF;
    s.torque = r.torque;
    s.oilTempC = r.oilTempC;
    s.oilPsi = r.oilPsi;
}

void publishEngines(const ModelState &state, OffsetSpace &space, const Environment &env)
{
    const AircraftPreset &p = *state.preset;
    const bool turbine = isTurbine(p);
    const auto pumps = space.get(var::FuelPumps);
    const auto hydraulicPumps = space.get(var::HydraulicPumps);
    const bool hydraulicsFailed = space.get(var::HydraulicsFailure) != 0;
    for (int e = 0; e < p.engines; ++e) {
        const EngineState &s = state.engines[e];
        const bool pumpOn = (pumps >> e) & 1;
        space.set(var::Combustion[e], s.running);
        space.setFloat(var::PropellerRpm[e], s.rpm);
        space.set(var::ManifoldPressure[e], turbine ? 0 : conv::inHgToManifold(s.manifoldInHg));
        space.setFloat(var::FuelFlow[e], s.fuelFlowPph);
        const double fuelPsi = s.fed && (s.running || pumpOn) ? (turbine ? (pumpOn ? 35.0 : 20.0) : (pumpOn ? 6.0 : 4.5)) : 0.0;
        space.set(var::FuelPressure[e], conv::N(fuelPsi * 144.0));
        space.setFloat(var::ExhaustGasTemperature[e], conv::fahrenheitToRankine(s.egtF + (e == 0 && space.get(var::EngineFire) ? 400 : 0)));
        space.setFloat(var::CylinderHeadTemperature[e], s.chtF);
        space.set(var::OilTemperature[e], conv::celsiusToOilTemperature(s.oilTempC));
        space.set(var::OilPressure[e], conv::psiToOilPressure(s.oilPsi));
        space.setFloat(var::Torque[e], s.torque);
        space.setFloat(var::AirMassRatio[e], s.airMassRatio);
        const double carbF = conv::celsiusToFahrenheit(env.oatC) +
                             (s.running ? (space.get(var::CarbHeat[e]) ? 90.0 : -15.0 * std::clamp(s.thrust, 0.0, 1.0)) : 0.0);
        space.setFloat(var::CarbAirTemperature[e], conv::fahrenheitToRankine(carbF));
        const bool hydraulic = ((hydraulicPumps >> e) & 1) && s.running && !hydraulicsFailed;
        space.set(var::HydraulicPressure[e],
                  hydraulic ? conv::N(kHydraulicPsi * std::min(1.0, s.rpm / p.performance.idleRpm) * 4.0) : 0);
        const bool alarm = e == 0 && (space.get(var::EngineFailure) || space.get(var::EngineFire));
        space.set(var::EngineAlarm[e], alarm);
        space.set(var::FuelPumpSwitch[e], pumpOn);
    }
}

double totalThrust(const ModelState &state)
{
    double sum = 0;
    for (int e = 0; e < state.preset->engines; ++e)
        sum += state.engines[e].thrust;
    return sum / std::max(1, state.preset->engines);
}
