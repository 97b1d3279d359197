// One step in a fixed order: systems (gear, flaps, APU), fuel, engines,
// electrics, flight and autopilot, radios, route; then every subsystem
// publishes what the panel reads. Each subsystem's file names the offsets it
// reads and writes.
#include "aircraftmodel.h"

#include "aircraftpresets.h"
#include "electrics.h"
#include "engines.h"
#include "flight.h"
#include "fuel.h"
#include "radios.h"
#include "route.h"
#include "systems.h"
#include "writeeffects.h"

#include <algorithm>
#include <cmath>

namespace {

void loadFlight(FlightState &f, const OffsetSpace &space, double magVarEast, double driftDeg)
{
    f.position = {conv::latitudeToDegrees(space.get(var::Latitude)), conv::longitudeToDegrees(space.get(var::Longitude))};
    f.altitudeFt = conv::altitudeToFeet(space.get(var::Altitude));
    f.groundElevationFt = conv::metres256ToFeet(std::int32_t(space.get(var::GroundAltitude)));
    f.headingTrue = geo::wrap360(space.getFloat(var::Heading) - driftDeg + magVarEast);
    f.iasKts = conv::knots128ToKnots(std::int32_t(space.get(var::IndicatedAirspeed)));
    f.verticalSpeedFpm = conv::verticalSpeedToFeetPerMinute(std::int32_t(space.get(var::VerticalSpeed)));
    f.pitchDeg = -space.getFloat(var::Pitch);
    f.bankDeg = -space.getFloat(var::Bank);
    f.onGround = space.get(var::OnGround) != 0;
    f.groundSpeedKts = f.onGround ? conv::groundSpeedToKnots(std::int32_t(space.get(var::GroundSpeed))) : 0.0;
}

void loadEngines(ModelState &state, const OffsetSpace &space)
{
    for (int e = 0; e < state.preset->engines; ++e) {
        EngineState &s = state.engines[e];
        s.running = space.get(var::Combustion[e]) != 0;
        s.rpm = space.getFloat(var::PropellerRpm[e]);
        s.fuelFlowPph = space.getFloat(var::FuelFlow[e]);
        s.manifoldInHg = conv::manifoldToInHg(std::int32_t(space.get(var::ManifoldPressure[e])));
        s.airMassRatio = space.getFloat(var::AirMassRatio[e]);
        s.egtF = conv::rankineToFahrenheit(space.getFloat(var::ExhaustGasTemperature[e]));
        s.chtF = space.getFloat(var::CylinderHeadTemperature[e]);
        s.oilTempC = conv::oilTemperatureToCelsius(std::int32_t(space.get(var::OilTemperature[e])));
        s.oilPsi = conv::oilPressureToPsi(std::int32_t(space.get(var::OilPressure[e])));
    }
}

// The indicated speed of the cruise the aircraft is built for, at its
// cruise altitude in the day's air, and the engines' thrust to match.
void calibrateCruise(ModelState &state, const OffsetSpace &space)
{
    const AircraftPreset &p = *state.preset;
    ModelState high = state;
    high.flight.altitudeFt = p.performance.cruiseAltitudeFt;
    const Environment env = environmentAt(high, space);
    state.cruiseIasKts = p.cruiseKts * std::sqrt(env.densityRatio);
    const EngineLevers levers{p.performance.cruiseThrottle, 1.0, economyMixture(p, high.flight.altitudeFt, env), 3, false, 0.0};
    const double thrust = std::max(0.05, runningTargets(p, levers, high.flight.altitudeFt, env, state.cruiseIasKts).thrust);
    // In cruise, thrust meets the drag: the weight over the lift-to-drag ratio.
    state.fullThrustToWeight = 1.0 / p.performance.liftToDrag / thrust;
}

} // namespace

void AircraftModel::load(const AircraftPreset &preset, const OffsetSpace &space)
{
    m_state = ModelState{};
    ModelState &s = m_state;
    s.preset = &preset;
    s.gyroDriftDeg = conv::angle16ToDegrees(std::int16_t(space.get(var::GyroDrift)));
    const double magVarEast = -conv::angle16ToDegrees(std::int16_t(space.get(var::MagneticVariation)));
    loadFlight(s.flight, space, magVarEast, s.gyroDriftDeg);
    const double oat = conv::celsius256ToCelsius(std::int32_t(space.get(var::OutsideAirTemperature)));
    s.surfaceOatC = oat + geo::kStandardLapseCPerFt * std::max(0.0, s.flight.altitudeFt - s.flight.groundElevationFt);
    loadEngines(s, space);
    for (std::size_t t = 0; t < s.tankGallons.size(); ++t)
        s.tankGallons[t] = conv::tankLevelToFraction(std::int32_t(space.get(catalogue::FuelTanks[t].level))) *
                           double(space.get(catalogue::FuelTanks[t].capacity));
    s.batteryVolts = space.getFloat(var::BatteryVoltage);
    s.busPowered = space.get(var::MasterBattery) != 0 && space.get(var::ElectricalFailure) == 0;
    s.flapDetent = double(space.get(var::Flaps));
    s.trimNeutral = space.get(var::ElevatorTrim);
    s.apu.rpmPercent = space.getFloat(var::ApuRpm);
    s.apu.running = s.apu.rpmPercent >= 95.0;
    calibrateCruise(s, space);
    m_seen = space;
}

void AircraftModel::applyScenario(Scenario scenario, OffsetSpace &space)
{
    setUpScenario(scenario, m_state, space);
    if (scenario != Scenario::Parked) {
        ModelIo io{space, m_seen, 0.0};
        stepRadios(m_state, io, environmentAt(m_state, space)); // tune in before the first look
        publish(space);
    }
    m_seen = space;
}

void AircraftModel::step(OffsetSpace &space)
{
    ModelIo io{space, m_seen, kStepSeconds};
    ModelState &s = m_state;
    if (io.written(var::OutsideAirTemperature))
        s.surfaceOatC = conv::celsius256ToCelsius(std::int32_t(space.get(var::OutsideAirTemperature))) +
                        geo::kStandardLapseCPerFt * std::max(0.0, s.flight.altitudeFt - s.flight.groundElevationFt);
    const Environment before = environmentAt(s, space);
    stepSystems(s, io);
    stepFuel(s, io);
    stepEngines(s, io, before);
    stepElectrics(s, io);
    stepFlight(s, io, before);
    stepRadios(s, io, environmentAt(s, space));
    stepRoute(s);
    publish(space);
    m_seen = space;
}

void AircraftModel::publish(OffsetSpace &space)
{
    const Environment env = environmentAt(m_state, space);
    publishFlight(m_state, space, env);
    publishEngines(m_state, space, env);
    publishFuel(m_state, space);
    publishElectrics(m_state, space);
    publishRadios(m_state, space, env);
    publishSystems(m_state, space);
    publishRoute(m_state, space, groundSpeedKts(m_state.flight, env));
}

void AircraftModel::addWriteAnswers(WriteEffects &effects)
{
    effects.add(var::ThrottleLeverSet1.offset, var::ThrottleLeverSet1.size, [](OffsetSpace &space, const WriteEvent &) {
        space.set(var::ThrottleLever[0], space.get(var::ThrottleLeverSet1));
    });
    effects.add(var::ThrottleLeverSet2.offset, var::ThrottleLeverSet2.size, [](OffsetSpace &space, const WriteEvent &) {
        space.set(var::ThrottleLever[1], space.get(var::ThrottleLeverSet2));
    });
    effects.add(var::RadioSwap.offset, var::RadioSwap.size, [](OffsetSpace &space, const WriteEvent &) { swapRadios(space); });
    effects.add(var::DayOfYear.offset, var::Year.end() - var::DayOfYear.offset,
                [](OffsetSpace &space, const WriteEvent &) { applyDateWrite(space); });
    effects.add(var::FuelPumps.offset, var::FuelPumps.size, [](OffsetSpace &space, const WriteEvent &) {
        const auto pumps = space.get(var::FuelPumps);
        for (int e = 0; e < 4; ++e)
            space.set(var::FuelPumpSwitch[e], (pumps >> e) & 1);
    });
}
