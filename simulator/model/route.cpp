// Reads: the simulator clock. Writes: next waypoint and destination
// identifiers, times en route and arrival times, nearest airport and its
// elevation.
#include "route.h"

#include "aircraftpresets.h"
#include "navaids.h"
#include "simclock.h"

#include <algorithm>

namespace {

constexpr double kPassedNm = 1.0;

// Below a taxiing speed the times assume the planned cruise speed.
std::int64_t secondsEnRoute(double distanceNm, double groundSpeedKts, double cruiseKts)
{
    const double speed = groundSpeedKts >= 30 ? groundSpeedKts : cruiseKts;
    return std::min<std::int64_t>(conv::N(distanceNm / std::max(speed, 1.0) * 3600.0), 99 * 3600);
}

} // namespace

void stepRoute(ModelState &state)
{
    if (state.routeLeg != 0)
        return;
    const Fix *next = findFix(state.preset->nextWaypoint);
    if (next && !state.flight.onGround && geo::distanceNm(state.flight.position, next->position) < kPassedNm)
        state.routeLeg = 1;
}

void publishRoute(const ModelState &state, OffsetSpace &space, double groundSpeedKts)
{
    const AircraftPreset &p = *state.preset;
    const geo::LatLon here = state.flight.position;
    const int now = space.get(var::ClockHour) * 3600 + space.get(var::ClockMinute) * 60 + space.get(var::ClockSecond);
    const Fix *destination = findFix(p.destination);
    const Fix *next = state.routeLeg == 0 ? findFix(p.nextWaypoint) : destination;
    if (next) {
        const std::int64_t ete = secondsEnRoute(geo::distanceNm(here, next->position), groundSpeedKts, p.cruiseKts);
        space.setText(var::NextWaypoint, next->ident);
        space.set(var::NextWaypointEte, ete);
        space.set(var::NextWaypointEta, (now + ete) % SimClock::kDay);
    }
    if (destination) {
        // By way of the next waypoint while it is still ahead.
        double distance = geo::distanceNm(here, destination->position);
        if (next && next != destination)
            distance = geo::distanceNm(here, next->position) + geo::distanceNm(next->position, destination->position);
        const std::int64_t ete = secondsEnRoute(distance, groundSpeedKts, p.cruiseKts);
        space.set(var::DestinationEte, ete);
        space.set(var::DestinationEta, (now + ete) % SimClock::kDay);
    }
    if (const Fix *airport = nearestAirport(here)) {
        space.setText(var::NearestAirport, airport->ident);
        space.setFloat(var::NearestAirportElevation, airport->elevationFt);
    }
}
