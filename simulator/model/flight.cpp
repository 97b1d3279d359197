// Reads: elevator, aileron and rudder inputs, trims, parking brake, brake
// failure, spoilers, gear positions, flaps, structural and pitot ice, yaw
// damper, wind, QNH, magnetic variation, and (when the panel or operator
// writes them) position, altitude, heading, speeds, attitude, gyro drift and
// outside air temperature. Writes: position, altitude, ground elevation,
// speeds, vertical speed, headings, gyro drift, attitude, turn rate, ball,
// on-ground flag, outside air temperature, stall and overspeed warnings.
#include "flight.h"

#include "aircraftpresets.h"
#include "autopilot.h"
#include "engines.h"
#include "navaids.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRollRateDps = 5.0;
constexpr double kGyroDriftDegPerSecond = 3.0 / 3600.0;
constexpr double kVacuumDriftDegPerSecond = 0.25;

double clamp1(double v) { return std::clamp(v, -1.0, 1.0); }

double input(const ModelIo &io, const catalogue::Variable &v) { return clamp1(double(io.get(v)) / conv::iSixteen); }

constexpr double kKnotsPerSecondPerG = 19.07;
constexpr double kBrakesG = 0.3;

double verticalRateLimit(const AircraftPreset &p) { return isTurbine(p) ? 300.0 : 600.0; } // fpm per second

double gearDown(const ModelState &state, const OffsetSpace &space)
{
    if (!state.preset->retractableGear)
        return 0.0; // fixed gear is part of the clean aircraft
    const double sum = double(space.get(var::GearNose) + space.get(var::GearLeft) + space.get(var::GearRight));
    return std::clamp(sum / (3.0 * conv::iSixteen), 0.0, 1.0);
}

double dragFactor(const ModelState &state, const OffsetSpace &space)
{
    const int detents = std::max(1, int(space.get(var::FlapDetents)));
    const double spoilers = std::clamp(double(space.get(var::Spoilers)) / conv::iSixteen, 0.0, 1.0);
    return 1.0 + 0.7 * state.flapDetent / detents + 0.25 * gearDown(state, space) + 0.8 * spoilers +
           (space.get(var::Ice1) ? 0.15 : 0.0);
}

void adopt(ModelState &state, const ModelIo &io, const Environment &env)
{
    FlightState &f = state.flight;
    if (io.written(var::Latitude))
        f.position.lat = conv::latitudeToDegrees(io.get(var::Latitude));
    if (io.written(var::Longitude))
        f.position.lon = conv::longitudeToDegrees(io.get(var::Longitude));
    if (io.written(var::Altitude)) {
        f.altitudeFt = conv::altitudeToFeet(io.get(var::Altitude));
        f.onGround = f.altitudeFt <= f.groundElevationFt;
    }
    if (io.written(var::GyroDrift))
        state.gyroDriftDeg = conv::angle16ToDegrees(std::int16_t(io.get(var::GyroDrift)));
    if (io.written(var::Heading))
        f.headingTrue = geo::wrap360(io.getFloat(var::Heading) - state.gyroDriftDeg + env.magVarEast);
    else if (io.written(var::CompassHeading))
        f.headingTrue = geo::wrap360(io.getFloat(var::CompassHeading) + env.magVarEast);
    if (io.written(var::IndicatedAirspeed))
        f.iasKts = std::max(0.0, conv::knots128ToKnots(std::int32_t(io.get(var::IndicatedAirspeed))));
    if (io.written(var::GroundSpeed))
        f.groundSpeedKts = std::max(0.0, conv::groundSpeedToKnots(std::int32_t(io.get(var::GroundSpeed))));
    if (io.written(var::VerticalSpeed))
        f.verticalSpeedFpm = conv::verticalSpeedToFeetPerMinute(std::int32_t(io.get(var::VerticalSpeed)));
    if (io.written(var::Pitch))
        f.pitchDeg = -io.getFloat(var::Pitch);
    if (io.written(var::Bank))
        f.bankDeg = -io.getFloat(var::Bank);
}

struct WindComponents {
    double north, east; // knots the air moves toward
};

WindComponents windOf(const Environment &env)
{
    const double toward = geo::radians(env.windFromTrue + 180.0);
    return {env.windKts * std::cos(toward), env.windKts * std::sin(toward)};
}

void moveOverGround(FlightState &f, double headingTrue, double airKts, WindComponents w, double dt)
{
    const double h = geo::radians(headingTrue);
    const double north = airKts * std::cos(h) + w.north, east = airKts * std::sin(h) + w.east;
    const double speed = std::hypot(north, east);
    if (speed > 1e-6)
        f.position = geo::travel(f.position, geo::degrees(std::atan2(east, north)), speed * dt / 3600.0);
}

double headwind(const FlightState &f, const Environment &env)
{
    return env.windKts * std::cos(geo::radians(env.windFromTrue - f.headingTrue));
}

// The pitch the pilot's elevator and trim ask for.
double commandedPitch(const ModelState &state, const ModelIo &io)
{
    const double trim = double(io.get(var::ElevatorTrim) - state.trimNeutral) / conv::iSixteen;
    return angleOfAttack(state, std::max(state.flight.iasKts, 1.0)) + 12.0 * input(io, var::ElevatorInput) + 6.0 * trim;
}

void rollOnTheGround(ModelState &state, ModelIo &io, const Environment &env, double thrust, double stall)
{
    FlightState &f = state.flight;
    const AircraftPreset &p = *state.preset;
    const double dt = io.dt;
    const bool braking = io.on(var::ParkingBrake) && !io.on(var::BrakeFailure);
    const double spoilers = std::clamp(double(io.get(var::Spoilers)) / conv::iSixteen, 0.0, 1.0);
    const double x = f.groundSpeedKts / state.cruiseIasKts;
    // Spoilers on the ground put the weight on the wheels as well as drag.
    const double resist = (f.groundSpeedKts > 0 ? kRollingFriction * (1.0 + 2.0 * spoilers) : 0.0) +
                          dragFactor(state, io.space) * 0.85 * x * x / p.performance.liftToDrag;
    double g = thrustToWeight(state, thrust, f.groundSpeedKts) - resist;
    if (braking)
        g = std::min(g, 0.0) - kBrakesG; // the brakes hold against the engines
    f.groundSpeedKts = std::max(0.0, f.groundSpeedKts + kKnotsPerSecondPerG * g * dt);

    const double steer = input(io, var::RudderInput) + 0.2 * double(io.get(var::RudderTrim)) / conv::iSixteen;
    f.turnRateDps = 25.0 * clamp1(steer) * std::clamp(f.groundSpeedKts / 10.0, 0.0, 1.0);
    f.headingTrue = geo::wrap360(f.headingTrue + f.turnRateDps * dt);
    moveOverGround(f, f.headingTrue, f.groundSpeedKts, {0, 0}, dt); // the wheels hold it against the wind
    f.iasKts = std::max(0.0, f.groundSpeedKts + headwind(f, env));
    f.altitudeFt = f.groundElevationFt;
    f.verticalSpeedFpm = 0;
    f.bankDeg = 0;
    f.ball = 0;
    f.pitchDeg = p.pitchDeg;
    // Rotate: fast enough and the pilot pulls.
    if (f.iasKts >= 1.1 * stall && commandedPitch(state, io) > angleOfAttack(state, f.iasKts) + 2.0) {
        f.onGround = false;
        f.pitchDeg = angleOfAttack(state, f.iasKts) + 2.0; // rotated: climbing away
    }
}

void flyInTheAir(ModelState &state, ModelIo &io, const Environment &env, double thrust, double stall)
{
    FlightState &f = state.flight;
    const AircraftPreset &p = *state.preset;
    const double dt = io.dt;
    const double tas = f.iasKts / std::sqrt(std::max(env.densityRatio, 0.05));
    const AutopilotCommand ap = autopilotCommand(state, io, env, tas, stall);

    // Roll.
    if (ap.bankDeg) {
        const double step = kRollRateDps * dt;
        f.bankDeg += std::clamp(*ap.bankDeg - f.bankDeg, -step, step);
    } else {
        const double roll = 30.0 * input(io, var::AileronInput) + 3.0 * double(io.get(var::AileronTrim)) / conv::iSixteen;
        f.bankDeg = std::clamp(f.bankDeg + (roll - 0.1 * f.bankDeg) * dt, -60.0, 60.0);
    }
    const double tasMps = std::max(tas, 30.0) * geo::kMetresPerSecondPerKnot;
    f.turnRateDps = geo::degrees(geo::kGravity * std::tan(geo::radians(f.bankDeg)) / tasMps);
    f.headingTrue = geo::wrap360(f.headingTrue + f.turnRateDps * dt);

    // Pitch and vertical speed.
    const double alpha = angleOfAttack(state, std::max(f.iasKts, 1.0));
    if (ap.verticalFpm) {
        const double step = verticalRateLimit(p) * dt;
        f.verticalSpeedFpm += std::clamp(*ap.verticalFpm - f.verticalSpeedFpm, -step, step);
        const double gamma = geo::degrees(std::asin(clamp1(f.verticalSpeedFpm / (std::max(tas, 1.0) * geo::kFpmPerKnot))));
        f.pitchDeg = gamma + alpha;
    } else {
        const double step = 3.0 * dt;
        f.pitchDeg += std::clamp(commandedPitch(state, io) - f.pitchDeg, -step, step);
        f.verticalSpeedFpm = std::max(tas, 1.0) * geo::kFpmPerKnot * std::sin(geo::radians(f.pitchDeg - alpha));
    }
    if (f.iasKts < stall) // stalled: the nose drops and the aircraft sinks
        f.verticalSpeedFpm = std::min(f.verticalSpeedFpm, f.verticalSpeedFpm - 1500.0 * dt);

    // Thrust against drag and the climb: what is left over speeds the
    // aircraft up.
    const double g = thrustToWeight(state, thrust, f.iasKts) - dragToWeight(state, io.space, f.iasKts) -
                     climbGradient(f.verticalSpeedFpm, tas);
    f.iasKts = std::max(0.0, f.iasKts + kKnotsPerSecondPerG * g * std::sqrt(std::max(env.densityRatio, 0.05)) * dt);

    // Sideslip: rudder and rudder trim push the ball out, the yaw damper
    // takes most of it away.
    const double rudder = input(io, var::RudderInput) + 0.5 * double(io.get(var::RudderTrim)) / conv::iSixteen;
    f.ball = clamp1(-rudder) * (io.on(var::YawDamper) ? 0.3 : 1.0);

    moveOverGround(f, f.headingTrue, tas, windOf(env), dt);
    f.groundSpeedKts = 0; // worked out for the panel from the air and the wind
    f.altitudeFt += f.verticalSpeedFpm * dt / 60.0;
    if (f.altitudeFt <= f.groundElevationFt) { // touchdown
        f.altitudeFt = f.groundElevationFt;
        f.onGround = true;
        f.groundSpeedKts = std::max(0.0, tas - headwind(f, env));
        f.verticalSpeedFpm = 0;
        f.bankDeg = 0;
        f.pitchDeg = p.pitchDeg;
    }
}


} // namespace

double groundSpeedKts(const FlightState &f, const Environment &env)
{
    if (f.onGround)
        return f.groundSpeedKts;
    const double tas = f.iasKts / std::sqrt(std::max(env.densityRatio, 0.05));
    const WindComponents w = windOf(env);
    const double h = geo::radians(f.headingTrue);
    return std::hypot(tas * std::cos(h) + w.north, tas * std::sin(h) + w.east);
}

Environment environmentAt(const ModelState &state, const OffsetSpace &space)
{
    const double magVarEast = -conv::angle16ToDegrees(std::int16_t(space.get(var::MagneticVariation)));
    const double qnh = conv::mb16ToMillibars(std::int32_t(space.get(var::QnhPressure)));
    const double qnhMb = qnh > 800 && qnh < 1100 ? qnh : 1013.25;
    const FlightState &f = state.flight;
    const double oat = state.surfaceOatC - geo::kStandardLapseCPerFt * std::max(0.0, f.altitudeFt - f.groundElevationFt);
    const double windFrom = conv::angle16ToDegrees(std::int32_t(space.get(var::WindDirection)));
    return {qnhMb, magVarEast, geo::wrap360(windFrom + magVarEast), double(space.get(var::WindSpeed)), oat,
            geo::densityRatio(f.altitudeFt, qnhMb, oat)};
}

double stallSpeedKts(const ModelState &state, const OffsetSpace &space)
{
    const AircraftPreset &p = *state.preset;
    const int detents = std::max(1, int(space.get(var::FlapDetents)));
    const double flaps = std::clamp(state.flapDetent / detents, 0.0, 1.0);
    return (p.vs1Kts - (p.vs1Kts - p.vs0Kts) * flaps) * (space.get(var::Ice1) ? 1.1 : 1.0);
}

double dragToWeight(const ModelState &state, const OffsetSpace &space, double iasKts)
{
    // Parasite drag grows with the square of the speed, induced drag falls
    // with it; at cruise they share 85 to 15.
    const double x = std::max(iasKts, 0.2 * state.cruiseIasKts) / state.cruiseIasKts;
    return (0.85 * dragFactor(state, space) * x * x + 0.15 / (x * x)) / state.preset->performance.liftToDrag;
}

double thrustToWeight(const ModelState &state, double thrust, double iasKts)
{
    const double full = thrust * state.fullThrustToWeight;
    if (isTurbine(*state.preset))
        return full;
    return full * std::sqrt(state.cruiseIasKts / std::max(iasKts, 0.45 * state.cruiseIasKts));
}

double climbGradient(double verticalFpm, double tasKts)
{
    return std::clamp(verticalFpm / (std::max(tasKts, 1.0) * geo::kFpmPerKnot), -1.0, 1.0);
}

double angleOfAttack(const ModelState &state, double iasKts)
{
    const double ratio = state.cruiseIasKts / std::max(iasKts, 1.0);
    return std::clamp(2.0 * ratio * ratio, -2.0, 15.0);
}

void stepFlight(ModelState &state, ModelIo &io, const Environment &env)
{
    adopt(state, io, env);
    FlightState &f = state.flight;
    if (const Fix *airport = nearestAirport(f.position))
        f.groundElevationFt = airport->elevationFt;
    const bool vacuum = std::any_of(state.engines.begin(), state.engines.end(), [](const EngineState &e) { return e.running; });
    if (io.on(var::VacuumFailure) && !f.onGround)
        state.gyroDriftDeg += kVacuumDriftDegPerSecond * io.dt;
    else if (vacuum)
        state.gyroDriftDeg += kGyroDriftDegPerSecond * io.dt;
    state.gyroDriftDeg = geo::wrap180(state.gyroDriftDeg);

    const double thrust = totalThrust(state);
    const double stall = stallSpeedKts(state, io.space);
    if (f.onGround)
        rollOnTheGround(state, io, env, thrust, stall);
    else
        flyInTheAir(state, io, env, thrust, stall);
}

void publishFlight(const ModelState &state, OffsetSpace &space, const Environment &env)
{
    const FlightState &f = state.flight;
    space.set(var::Latitude, conv::degreesToLatitude(f.position.lat));
    space.set(var::Longitude, conv::degreesToLongitude(f.position.lon));
    space.set(var::Altitude, conv::feetToAltitude(f.altitudeFt));
    space.set(var::GroundAltitude, conv::feetToMetres256(f.groundElevationFt));
    const double tas = f.onGround ? std::max(0.0, f.groundSpeedKts + headwind(f, env))
                                  : f.iasKts / std::sqrt(std::max(env.densityRatio, 0.05));
    const bool pitotIced = space.get(var::Ice2) != 0;
    space.set(var::IndicatedAirspeed, conv::knotsToKnots128(pitotIced ? 0.0 : f.iasKts));
    space.set(var::TrueAirspeed, conv::knotsToKnots128(tas));
    space.set(var::GroundSpeed, conv::knotsToGroundSpeed(groundSpeedKts(f, env)));
    space.set(var::VerticalSpeed, conv::feetPerMinuteToVerticalSpeed(f.verticalSpeedFpm));
    const double magnetic = geo::wrap360(f.headingTrue - env.magVarEast);
    space.setFloat(var::Heading, gyroHeading(state, env));
    space.setFloat(var::CompassHeading, magnetic);
    space.set(var::GyroDrift, std::int16_t(conv::degreesToAngle16(state.gyroDriftDeg)));
    space.setFloat(var::Pitch, -f.pitchDeg); // the simulator's signs: nose up and right bank negative
    space.setFloat(var::Bank, -f.bankDeg);
    space.setFloat(var::TurnRate, f.turnRateDps);
    space.setFloat(var::SideslipBall, f.ball);
    space.set(var::OnGround, f.onGround);
    space.set(var::OutsideAirTemperature, conv::celsiusToCelsius256(env.oatC));
    space.set(var::StallWarning, !f.onGround && f.iasKts < 1.07 * stallSpeedKts(state, space));
    space.set(var::OverspeedWarning, f.iasKts > conv::knots128ToKnots(std::int32_t(space.get(var::BarberPole))));
}
