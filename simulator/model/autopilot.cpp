// Reads: autopilot available and master, wing leveller, NAV hold, heading
// hold and its bug, altitude hold and its target, vertical speed target,
// approach hold, NAV1 course, NAV/GPS source. Writes nothing: the flight
// model carries out what it asks.
#include "autopilot.h"

#include "aircraftpresets.h"
#include "engines.h"
#include "flight.h"
#include "navaids.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kBankPerDegreeOfError = 2.5;
constexpr double kFpmPerFootOfError = 3.0;
constexpr double kFpmPerFootOfGlidePath = 1.5;

// The heading (true) that makes good this track in this wind.
double headingForTrack(double trackTrue, double tasKts, const Environment &env)
{
    if (tasKts < 1)
        return trackTrue;
    const double cross = env.windKts * std::sin(geo::radians(env.windFromTrue - trackTrue));
    return geo::wrap360(trackTrue + geo::degrees(std::asin(std::clamp(cross / tasKts, -1.0, 1.0))));
}

// A track that closes a cross-track distance: steeper the further off.
double interceptTrack(double courseTrue, double rightNm, double degreesPerNm)
{
    return courseTrue - std::clamp(rightNm * degreesPerNm, -30.0, 30.0);
}

std::optional<double> lateralTrack(const ModelState &state, const ModelIo &io, const Environment &env)
{
    const NavReception &nav = state.nav1;
    if (io.on(var::ApApproachHold) && nav.station && nav.localiser)
        return interceptTrack(nav.station->courseTrue, nav.rightOfCourseNm, 40.0);
    if (!io.on(var::ApNavHold))
        return std::nullopt;
    if (io.get(var::NavGpsSource) == 1) {
        const std::string_view next = state.routeLeg == 0 ? state.preset->nextWaypoint : state.preset->destination;
        if (const Fix *fix = findFix(next))
            return geo::bearingDeg(state.flight.position, fix->position);
        return std::nullopt;
    }
    if (!nav.station)
        return std::nullopt;
    if (nav.localiser)
        return interceptTrack(nav.station->courseTrue, nav.rightOfCourseNm, 40.0);
    return interceptTrack(double(io.get(var::Nav1Course)) + env.magVarEast, nav.rightOfCourseNm, 20.0);
}

double bankFor(double headingError, double tasKts)
{
    const double limit = standardRateBank(tasKts);
    return std::clamp(headingError * kBankPerDegreeOfError, -limit, limit);
}

std::optional<double> lateral(const ModelState &state, const ModelIo &io, const Environment &env, double tasKts)
{
    if (const auto track = lateralTrack(state, io, env))
        return bankFor(geo::wrap180(headingForTrack(*track, tasKts, env) - state.flight.headingTrue), tasKts);
    if (io.on(var::ApHeadingHold)) {
        const double bug = conv::angle16ToDegrees(std::int32_t(io.get(var::ApHeadingTarget)));
        return bankFor(geo::wrap180(bug - gyroHeading(state, env)), tasKts);
    }
    if (io.on(var::ApWingLeveller))
        return 0.0;
    return state.flight.bankDeg; // the master alone holds the bank it finds
}

double vertical(const ModelState &state, const ModelIo &io, const Environment &env, double stallKts)
{
    const FlightState &f = state.flight;
    const NavReception &nav = state.nav1;
    const double selected = double(io.get(var::ApVerticalSpeedTarget));
    double fpm = selected;
    if (io.on(var::ApApproachHold) && nav.station && nav.glideslope && std::fabs(nav.rightOfCourseNm) < 0.3) {
        const double glide = std::tan(geo::radians(nav.station->glidePathDeg));
        fpm = -groundSpeedKts(f, env) * geo::kFpmPerKnot * glide - nav.glidePathErrorFt * kFpmPerFootOfGlidePath;
        fpm = std::clamp(fpm, -2000.0, 1000.0);
    } else if (io.on(var::ApAltitudeHold)) {
        const double target = conv::apAltitudeToFeet(std::int32_t(io.get(var::ApAltitudeTarget)));
        const double limit = std::fabs(selected) > 0 ? std::fabs(selected) : (isTurbine(*state.preset) ? 1800.0 : 700.0);
        fpm = std::clamp((target - f.altitudeFt) * kFpmPerFootOfError, -limit, limit);
    }
    // Never climb the aircraft into a stall: give up climb near it.
    if (fpm > 0)
        fpm *= std::clamp((f.iasKts - 1.1 * stallKts) / (0.2 * stallKts), 0.0, 1.0);
    return fpm;
}

} // namespace

double standardRateBank(double tasKts)
{
    const double omega = geo::radians(3.0);
    return std::min(25.0, geo::degrees(std::atan(tasKts * geo::kMetresPerSecondPerKnot * omega / geo::kGravity)));
}

double gyroHeading(const ModelState &state, const Environment &env)
{
    return geo::wrap360(state.flight.headingTrue - env.magVarEast + state.gyroDriftDeg);
}

AutopilotCommand autopilotCommand(const ModelState &state, const ModelIo &io, const Environment &env, double tasKts,
                                  double stallKts)
{
    const bool engaged = io.on(var::AutopilotAvailable) && io.on(var::AutopilotMaster) && state.busPowered &&
                         !state.flight.onGround;
    if (!engaged)
        return {};
    return {lateral(state, io, env, tasKts), vertical(state, io, env, stallKts)};
}
