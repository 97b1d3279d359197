// Writes the scenario's levers, switches, autopilot modes and targets, gear,
// flaps, lights, doors and radios; the aircraft's position and speeds go to
// the model's state and reach the offsets when the model publishes.
#include "scenarios.h"

#include "aircraftpresets.h"
#include "autopilot.h"
#include "engines.h"
#include "flight.h"
#include "navaids.h"
#include "offsetspace.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<std::string_view, 4> kNames{"parked", "taxi", "cruise", "approach"};

constexpr double kCruisePropeller = 0.85;

enum Lights : std::int64_t { Nav = 1 << 0, Beacon = 1 << 1, Landing = 1 << 2, Taxi = 1 << 3, Strobe = 1 << 4 };

// Engines running at this throttle, with the aircraft's other levers set
// for it, and everything a running aircraft has switched on.
void runEngines(ModelState &state, OffsetSpace &space, double throttle, double propeller)
{
    const AircraftPreset &p = *state.preset;
    const Environment env = environmentAt(state, space);
    const double mixture = p.mixture ? economyMixture(p, state.flight.altitudeFt, env) : 0.0;
    for (int e = 0; e < p.engines; ++e) {
        const EngineLevers levers{throttle, p.propellerType == 1 ? propeller : 0.0, mixture, 3, false, 0.0};
        space.set(var::ThrottleLever[e], conv::percentToLever(throttle * 100));
        space.set(var::MixtureLever[e], conv::percentToLever(mixture * 100));
        if (p.propellerType == 1)
            space.set(var::PropellerLever[e], conv::percentToLever(propeller * 100));
        space.set(var::Magnetos[e], 3);
        settleEngine(state, e, true, levers, env);
    }
    space.set(var::ThrottleLeverSet1, space.get(var::ThrottleLever[0]));
    space.set(var::ThrottleLeverSet2, space.get(var::ThrottleLever[1]));
    if (isTurbine(p))
        space.set(var::FuelPumps, (1 << p.engines) - 1);
    for (int e = 0; e < p.engines; ++e)
        space.setFloat(var::CowlFlaps[e], 0.0);
    space.set(var::ParkingBrake, 0);
    space.set(var::Doors, 0);
    space.set(var::AvionicsMaster, 1);
    state.busPowered = true;
}

void setGear(const ModelState &state, OffsetSpace &space, bool down)
{
    if (!state.preset->retractableGear)
        return;
    const std::int64_t v = down ? conv::iSixteen : 0;
    for (const catalogue::Variable *g : {&var::GearLever, &var::GearNose, &var::GearLeft, &var::GearRight})
        space.set(*g, v);
}

void setFlaps(ModelState &state, OffsetSpace &space, int detent)
{
    space.set(var::Flaps, detent);
    state.flapDetent = detent;
}

void engageAutopilot(OffsetSpace &space, std::initializer_list<const catalogue::Variable *> modes)
{
    if (!space.get(var::AutopilotAvailable))
        return;
    space.set(var::AutopilotMaster, 1);
    for (const catalogue::Variable *mode : modes)
        space.set(*mode, 1);
}

// The throttle at which thrust meets drag and climb at this speed.
double balancedThrottle(const ModelState &state, const OffsetSpace &space, double iasKts, double verticalFpm,
                        double propeller)
{
    const Environment env = environmentAt(state, space);
    const double tas = iasKts / std::sqrt(env.densityRatio);
    const double need = dragToWeight(state, space, iasKts) + climbGradient(verticalFpm, tas);
    const double perThrust = thrustToWeight(state, 1.0, iasKts);
    return throttleForThrust(*state.preset, need / perThrust, propeller, state.flight.altitudeFt, env);
}

void taxi(ModelState &state, OffsetSpace &space)
{
    const AircraftPreset &p = *state.preset;
    // Enough thrust to roll at a steady taxiing speed.
    const double knots = 12.0;
    const double x = knots / state.cruiseIasKts;
    const double need = kRollingFriction + 0.85 * x * x / p.performance.liftToDrag;
    const Environment env = environmentAt(state, space);
    runEngines(state, space, throttleForThrust(p, need / thrustToWeight(state, 1.0, knots), 1.0, state.flight.altitudeFt, env), 1.0);
    state.flight.groundSpeedKts = knots;
    space.set(var::Lights, Nav | Beacon | Taxi);
}

void cruise(ModelState &state, OffsetSpace &space)
{
    const AircraftPreset &p = *state.preset;
    FlightState &f = state.flight;
    const Fix *next = findFix(p.nextWaypoint);
    const double track = next ? geo::bearingDeg(f.position, next->position) : f.headingTrue;
    f.position = geo::travel(f.position, track, 10.0);
    f.headingTrue = track;
    f.altitudeFt = p.performance.cruiseAltitudeFt;
    f.onGround = false;
    setGear(state, space, false);
    setFlaps(state, space, 0);
    f.iasKts = state.cruiseIasKts;
    runEngines(state, space, balancedThrottle(state, space, f.iasKts, 0.0, kCruisePropeller), kCruisePropeller);
    f.pitchDeg = angleOfAttack(state, f.iasKts);
    space.set(var::Lights, Nav | Beacon | Strobe);
    const Environment env = environmentAt(state, space);
    space.set(var::ApHeadingTarget, conv::degreesToAngle16(gyroHeading(state, env)));
    space.set(var::ApAltitudeTarget, conv::feetToApAltitude(f.altitudeFt));
    space.set(var::ApVerticalSpeedTarget, 0);
    engageAutopilot(space, {&var::ApHeadingHold, &var::ApAltitudeHold});
}

const Navaid *homeIls(geo::LatLon airport)
{
    const Navaid *best = nullptr;
    for (const Navaid &n : navaids())
        if (n.kind == NavaidKind::Ils && (!best || geo::distanceNm(airport, n.position) < geo::distanceNm(airport, best->position)))
            best = &n;
    return best;
}

void approach(ModelState &state, OffsetSpace &space)
{
    const AircraftPreset &p = *state.preset;
    FlightState &f = state.flight;
    const Navaid *ils = homeIls(f.position);
    if (!ils)
        return;
    const double fromGlidePath = kApproachStartNm + 1000.0 / geo::kFeetPerNm;
    const geo::LatLon onCentreline = geo::travel(ils->position, ils->courseTrue + 180.0, kApproachStartNm);
    f.position = geo::travel(onCentreline, ils->courseTrue + 90.0, kApproachOffsetNm);
    f.headingTrue = ils->courseTrue;
    f.altitudeFt = ils->elevationFt + fromGlidePath * geo::kFeetPerNm * std::tan(geo::radians(ils->glidePathDeg)) + kApproachHighFt;
    f.onGround = false;
    setGear(state, space, true);
    setFlaps(state, space, std::min(p.performance.approachFlaps, int(space.get(var::FlapDetents))));
    f.iasKts = p.performance.approachKts;
    const double descent = -groundSpeedKts(f, environmentAt(state, space)) * geo::kFpmPerKnot *
                           std::tan(geo::radians(ils->glidePathDeg));
    f.verticalSpeedFpm = descent;
    runEngines(state, space, balancedThrottle(state, space, f.iasKts, descent, 1.0), 1.0);
    f.pitchDeg = angleOfAttack(state, f.iasKts) - ils->glidePathDeg;
    space.set(var::Lights, Nav | Beacon | Landing | Strobe);

    // NAV1 on the localiser, what it had before on standby.
    const Environment env = environmentAt(state, space);
    space.set(var::Nav1Standby, space.get(var::Nav1Active));
    space.set(var::Nav1Active, conv::mhzToRadioWord(ils->frequency));
    const double courseMagnetic = geo::wrap360(ils->courseTrue - env.magVarEast);
    space.set(var::Nav1Course, conv::N(courseMagnetic) % 360);
    space.set(var::ApHeadingTarget, conv::degreesToAngle16(courseMagnetic));
    space.set(var::ApAltitudeTarget, conv::feetToApAltitude(ils->elevationFt + 2000));
    space.set(var::ApVerticalSpeedTarget, 0);
    engageAutopilot(space, {&var::ApApproachHold});
}

} // namespace

std::optional<Scenario> scenarioNamed(std::string_view name)
{
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name)
            return Scenario(i);
    return std::nullopt;
}

std::string_view scenarioName(Scenario scenario) { return kNames[std::size_t(scenario)]; }
std::span<const std::string_view> scenarioNames() { return kNames; }

void setUpScenario(Scenario scenario, ModelState &state, OffsetSpace &space)
{
    switch (scenario) {
    case Scenario::Parked: break; // the preset as it stands
    case Scenario::Taxi: taxi(state, space); break;
    case Scenario::Cruise: cruise(state, space); break;
    case Scenario::Approach: approach(state, space); break;
    }
}
