#pragma once
// The radio stations and named places the stand-in knows: VORs with DME,
// ILS localisers with their glide paths and marker beacons, NDBs, airports
// and route fixes near each preset's airport. A receiver finds a station by
// the frequency it is tuned to and the aircraft's position.
#include "geo.h"

#include <span>
#include <string_view>

enum class NavaidKind { Vor, Ils, Ndb };

struct Navaid {
    NavaidKind kind;
    std::string_view ident;
    double frequency; // MHz for VOR and ILS, kHz for an NDB
    geo::LatLon position; // VOR, NDB; for an ILS the runway threshold
    double elevationFt;
    double rangeNm;
    bool dme;
    // ILS only: the landing course (true), runway length and glide path.
    double courseTrue = 0, runwayNm = 0, glidePathDeg = 3.0;
};

// Where the parts of an ILS stand, from its threshold along its course.
struct IlsGeometry {
    geo::LatLon localiser;  // beyond the far end of the runway
    geo::LatLon glidePath;  // 1000 ft past the threshold
    geo::LatLon outer, middle, inner; // marker beacons, before the threshold
};
IlsGeometry ilsGeometry(const Navaid &ils);

struct Fix {
    std::string_view ident;
    geo::LatLon position;
    double elevationFt;
    bool airport;
};

std::span<const Navaid> navaids();
std::span<const Fix> fixes();
const Fix *findFix(std::string_view ident);
const Fix *nearestAirport(geo::LatLon position);

// The station of that kind on the frequency (within half a channel) nearest
// to the aircraft and within its range; null when none is received. A NAV
// receiver takes VORs and localisers alike.
const Navaid *receivedNav(double mhz, geo::LatLon position);
const Navaid *receivedNdb(double khz, geo::LatLon position);
