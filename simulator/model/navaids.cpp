// The stations near the presets' airports: Seattle (c172, baron), New York
// (b727) and London (b747). Positions and frequencies are close to the real
// ones, rounded; plausible for a stand-in, not for navigation.
#include "navaids.h"

#include <algorithm>
#include <cmath>

namespace {

using K = NavaidKind;

constexpr Navaid kNavaids[] = {
    // Seattle
    {K::Vor, "SEA", 116.80, {47.4353, -122.3097}, 356, 130, true},
    {K::Vor, "PAE", 110.60, {47.9198, -122.2779}, 580, 80, true},
    {K::Vor, "BTG", 116.60, {45.7477, -122.5920}, 190, 130, true},
    {K::Ils, "IBFI", 110.90, {47.5443, -122.3165}, 18, 25, true, 148.3, 1.65},
    {K::Ils, "ISEA", 111.70, {47.4638, -122.3080}, 429, 25, true, 180.0, 1.96},
    {K::Ndb, "BF", 344.0, {47.6000, -122.3700}, 100, 50, false},
    {K::Ndb, "CHE", 362.0, {47.2000, -122.3000}, 300, 50, false},
    // New York
    {K::Vor, "JFK", 115.90, {40.6326, -73.7713}, 13, 130, true},
    {K::Vor, "CRI", 112.30, {40.6124, -73.8243}, 10, 40, true},
    {K::Ils, "IJOC", 111.50, {40.6450, -73.7700}, 12, 25, true, 297.0, 1.70},
    {K::Ndb, "LQ", 327.0, {40.5900, -73.6800}, 10, 50, false},
    // London
    {K::Vor, "LON", 113.60, {51.4872, -0.4669}, 80, 130, true},
    {K::Vor, "OCK", 115.10, {51.3050, -0.4472}, 200, 130, true},
    {K::Ils, "ILL", 109.50, {51.4647, -0.4341}, 78, 25, true, 269.7, 1.98},
    {K::Ndb, "EPM", 1005.5, {51.3190, -0.3710}, 200, 50, false},
};

constexpr Fix kFixes[] = {
    {"KBFI", {47.5300, -122.3019}, 21, true},    {"KSEA", {47.4490, -122.3093}, 433, true},
    {"KPAE", {47.9063, -122.2816}, 608, true},   {"KPDX", {45.5887, -122.5975}, 31, true},
    {"KJFK", {40.6398, -73.7789}, 13, true},     {"KBOS", {42.3643, -71.0052}, 20, true},
    {"EGLL", {51.4706, -0.4619}, 83, true},      {"PAE", {47.9198, -122.2779}, 580, false},
    {"BTG", {45.7477, -122.5920}, 190, false},   {"MERIT", {41.3818, -73.1374}, 0, false},
    {"CPT", {51.4902, -1.2197}, 0, false},
};

template <class T, std::size_t N>
const T *nearestOf(const T (&list)[N], geo::LatLon position, auto accept)
{
    const T *best = nullptr;
    double bestNm = 0;
    for (const T &item : list) {
        if (!accept(item))
            continue;
        const double d = geo::distanceNm(position, item.position);
        if (!best || d < bestNm) {
            best = &item;
            bestNm = d;
        }
    }
    return best;
}

const Navaid *received(bool ndb, double frequency, geo::LatLon position)
{
    const double halfChannel = ndb ? 0.5 : 0.025;
    const Navaid *n = nearestOf(kNavaids, position, [&](const Navaid &s) {
        return (s.kind == NavaidKind::Ndb) == ndb && std::fabs(s.frequency - frequency) < halfChannel;
    });
    return n && geo::distanceNm(position, n->position) <= n->rangeNm ? n : nullptr;
}

} // namespace

IlsGeometry ilsGeometry(const Navaid &ils)
{
    const double back = ils.courseTrue + 180.0;
    return {geo::travel(ils.position, ils.courseTrue, ils.runwayNm + 0.1),
            geo::travel(ils.position, ils.courseTrue, 1000.0 / geo::kFeetPerNm),
            geo::travel(ils.position, back, 4.5), geo::travel(ils.position, back, 0.55),
            geo::travel(ils.position, back, 0.1)};
}

std::span<const Navaid> navaids() { return kNavaids; }
std::span<const Fix> fixes() { return kFixes; }

const Fix *findFix(std::string_view ident)
{
    const auto it = std::find_if(std::begin(kFixes), std::end(kFixes), [&](const Fix &f) { return f.ident == ident; });
    return it == std::end(kFixes) ? nullptr : &*it;
}

const Fix *nearestAirport(geo::LatLon position)
{
    return nearestOf(kFixes, position, [](const Fix &f) { return f.airport; });
}

const Navaid *receivedNav(double mhz, geo::LatLon position) { return received(false, mhz, position); }
const Navaid *receivedNdb(double khz, geo::LatLon position) { return received(true, khz, position); }
