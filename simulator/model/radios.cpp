// Reads: avionics master, active and standby frequencies, the swap flags,
// the NAV courses, the ADF frequency. Writes: receiver power and signals,
// idents, radials, TO/FROM flags, DME distance, speed and time, localiser
// and glideslope deviations and flags, markers, ADF bearing; the swapped
// frequencies.
#include "radios.h"

#include "navaids.h"

#include <algorithm>
#include <cmath>

namespace {

struct RadioPair {
    const catalogue::Variable *active, *standby;
    int flag;
};

constexpr RadioPair kSwaps[] = {
    {&var::Com1Active, &var::Com1Standby, 8},
    {&var::Com2Active, &var::Com2Standby, 4},
    {&var::Nav1Active, &var::Nav1Standby, 2},
    {&var::Nav2Active, &var::Nav2Standby, 1},
};

// One NAV receiver's offsets.
struct NavOffsets {
    const catalogue::Variable &active, &course, &present, &signal, &toFrom, &radial, &ident, &dmeDistance, &dmeSpeed, &dmeTime;
};

const NavOffsets kNav1{var::Nav1Active, var::Nav1Course, var::Nav1Present, var::Vor1Signal, var::Nav1ToFrom,
                       var::Vor1Radial, var::Vor1Ident, var::Vor1DmeDistance, var::Vor1DmeSpeed, var::Vor1DmeTime};
const NavOffsets kNav2{var::Nav2Active, var::Nav2Course, var::Nav2Present, var::Vor2Signal, var::Nav2ToFrom,
                       var::Vor2Radial, var::Vor2Ident, var::Vor2DmeDistance, var::Vor2DmeSpeed, var::Vor2DmeTime};

bool avionicsPowered(const ModelState &state, const OffsetSpace &space)
{
    return state.busPowered && space.get(var::AvionicsMaster) != 0;
}

// Where the needle points from: a VOR itself, a localiser's antenna.
geo::LatLon stationPoint(const Navaid &n)
{
    return n.kind == NavaidKind::Ils ? ilsGeometry(n).localiser : n.position;
}

double magneticRadial(const Navaid &n, geo::LatLon aircraft, const Environment &env)
{
    return geo::wrap360(geo::bearingDeg(stationPoint(n), aircraft) - env.magVarEast);
}

void receive(NavReception &r, const OffsetSpace &space, const NavOffsets &o, const FlightState &f,
             const Environment &env, double dt)
{
    const double mhz = conv::radioWordToMHz(static_cast<std::uint16_t>(space.get(o.active)));
    const Navaid *station = receivedNav(mhz, f.position);
    if (station != r.station)
        r = NavReception{};
    r.station = station;
    if (!station)
        return;
    r.localiser = station->kind == NavaidKind::Ils;
    if (r.localiser) {
        const IlsGeometry g = ilsGeometry(*station);
        r.rightOfCourseNm = geo::offsetFromLine(g.localiser, station->courseTrue, f.position).rightNm;
        const double beforeGlidePath = -geo::offsetFromLine(g.glidePath, station->courseTrue, f.position).alongNm;
        const double pathFt = station->elevationFt + beforeGlidePath * geo::kFeetPerNm *
                                                         std::tan(geo::radians(station->glidePathDeg));
        r.glidePathErrorFt = f.altitudeFt - pathFt;
        const double off = geo::degrees(std::atan2(std::fabs(r.rightOfCourseNm), std::max(beforeGlidePath, 0.01)));
        r.glideslope = beforeGlidePath > 0 && beforeGlidePath < 12 && off < 8;
    } else {
        const double courseTrue = double(space.get(o.course)) + env.magVarEast;
        r.rightOfCourseNm = geo::offsetFromLine(station->position, courseTrue, f.position).rightNm;
        r.glideslope = false;
    }
    r.dmeValid = station->dme;
    if (!r.dmeValid)
        return;
    const geo::LatLon dmePoint = r.localiser ? ilsGeometry(*station).glidePath : station->position;
    const double ground = geo::distanceNm(f.position, dmePoint);
    const double height = (f.altitudeFt - station->elevationFt) / geo::kFeetPerNm;
    const double slant = std::sqrt(ground * ground + height * height);
    if (r.dmeNm > 0 && dt > 0)
        r.dmeKts += ((r.dmeNm - slant) / dt * 3600.0 - r.dmeKts) * std::min(1.0, dt / 2.0); // closing positive
    r.dmeNm = slant;
}

std::int64_t needle(double degreesOff, double fullScale)
{
    return std::clamp<std::int64_t>(conv::N(-degreesOff / fullScale * 127.0), -127, 127);
}

void publishNav(const NavReception &r, OffsetSpace &space, const NavOffsets &o, bool powered, const FlightState &f,
                const Environment &env)
{
    space.set(o.present, powered);
    const Navaid *s = powered ? r.station : nullptr;
    space.set(o.signal, s != nullptr);
    space.setText(o.ident, s ? s->ident : "");
    if (!s) {
        for (const catalogue::Variable *v : {&o.toFrom, &o.dmeDistance, &o.dmeSpeed, &o.dmeTime})
            space.set(*v, 0);
        return;
    }
    const double radial = magneticRadial(*s, f.position, env);
    space.set(o.radial, conv::N(radial) % 360);
    if (s->kind == NavaidKind::Ils) {
        const double along = geo::offsetFromLine(ilsGeometry(*s).localiser, s->courseTrue, f.position).alongNm;
        space.set(o.toFrom, along < 0 ? 1 : 2);
    } else {
        const double fromCourse = std::fabs(geo::wrap180(radial - double(space.get(o.course))));
        space.set(o.toFrom, fromCourse < 90 ? 2 : 1);
    }
    const bool dme = r.dmeValid;
    space.set(o.dmeDistance, dme ? std::min<std::int64_t>(conv::N(r.dmeNm * 10), 65535) : 0);
    space.set(o.dmeSpeed, dme ? std::min<std::int64_t>(conv::N(std::fabs(r.dmeKts) * 10), 65535) : 0);
    const bool closing = dme && r.dmeKts > 20;
    space.set(o.dmeTime, closing ? std::min<std::int64_t>(conv::N(r.dmeNm / r.dmeKts * 36000.0), 65535) : 0);
}

void publishNav1Needles(const NavReception &r, OffsetSpace &space, bool powered, const FlightState &f)
{
    const Navaid *s = powered ? r.station : nullptr;
    std::int64_t loc = 0, gs = 0, flags = 0;
    if (s && r.localiser) {
        const double from = -geo::offsetFromLine(ilsGeometry(*s).localiser, s->courseTrue, f.position).alongNm;
        loc = needle(geo::degrees(std::atan2(r.rightOfCourseNm, std::max(std::fabs(from), 0.01))), kLocaliserFullScaleDeg);
        flags |= 0x80;
        if (r.glideslope) {
            const double fromGp = -geo::offsetFromLine(ilsGeometry(*s).glidePath, s->courseTrue, f.position).alongNm;
            const double angle = geo::degrees(std::atan2(f.altitudeFt - s->elevationFt, fromGp * geo::kFeetPerNm));
            gs = std::clamp<std::int64_t>(conv::N((angle - s->glidePathDeg) / kGlidePathFullScaleDeg * 127.0), -127, 127);
            flags |= 0x40;
        }
    } else if (s) {
        const double distance = std::max(geo::distanceNm(s->position, f.position), 0.01);
        loc = needle(geo::degrees(std::asin(std::clamp(r.rightOfCourseNm / distance, -1.0, 1.0))), kVorFullScaleDeg);
    }
    space.set(var::LocaliserDeviation, loc);
    space.set(var::GlideslopeDeviation, gs);
    space.set(var::Nav1LocGsFlags, flags);
}

void publishMarkers(OffsetSpace &space, bool powered, const FlightState &f)
{
    bool outer = false, middle = false, inner = false;
    if (powered) {
        // A marker's cone widens with height: about 40 degrees each side.
        const double radius = std::max(0.05, (f.altitudeFt - f.groundElevationFt) / geo::kFeetPerNm * 0.84);
        for (const Navaid &n : navaids()) {
            if (n.kind != NavaidKind::Ils || geo::distanceNm(n.position, f.position) > 10)
                continue;
            const IlsGeometry g = ilsGeometry(n);
            outer |= geo::distanceNm(g.outer, f.position) < radius;
            middle |= geo::distanceNm(g.middle, f.position) < radius;
            inner |= geo::distanceNm(g.inner, f.position) < radius;
        }
    }
    space.set(var::OuterMarker, outer);
    space.set(var::MiddleMarker, middle);
    space.set(var::InnerMarker, inner);
}

void publishAdf(OffsetSpace &space, bool powered, const FlightState &f)
{
    const double khz = conv::adfWordsToKHz(static_cast<std::uint16_t>(space.get(var::AdfFrequency)),
                                           static_cast<std::uint16_t>(space.get(var::AdfExtension)));
    const Navaid *ndb = powered ? receivedNdb(khz, f.position) : nullptr;
    space.set(var::AdfSignal, ndb != nullptr);
    space.setText(var::AdfIdent, ndb ? ndb->ident : "");
    const double relative = ndb ? geo::bearingDeg(f.position, ndb->position) - f.headingTrue : 0.0;
    space.set(var::AdfBearing, std::int16_t(conv::degreesToAngle16(relative)));
}

} // namespace

void swapRadios(OffsetSpace &space)
{
    const auto flags = space.get(var::RadioSwap);
    for (const RadioPair &pair : kSwaps) {
        if (!(flags & pair.flag))
            continue;
        const auto active = space.get(*pair.active);
        space.set(*pair.active, space.get(*pair.standby));
        space.set(*pair.standby, active);
    }
    space.set(var::RadioSwap, 0);
}

void stepRadios(ModelState &state, ModelIo &io, const Environment &env)
{
    receive(state.nav1, io.space, kNav1, state.flight, env, io.dt);
    receive(state.nav2, io.space, kNav2, state.flight, env, io.dt);
}

void publishRadios(const ModelState &state, OffsetSpace &space, const Environment &env)
{
    const bool powered = avionicsPowered(state, space);
    publishNav(state.nav1, space, kNav1, powered, state.flight, env);
    publishNav(state.nav2, space, kNav2, powered, state.flight, env);
    publishNav1Needles(state.nav1, space, powered, state.flight);
    publishMarkers(space, powered, state.flight);
    publishAdf(space, powered, state.flight);
}
