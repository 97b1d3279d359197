#pragma once
// The little geometry and atmosphere the aircraft model and its radios need:
// positions on a spherical earth, a flat local frame for the last miles of an
// approach, and the standard atmosphere. Pure functions.
#include <cmath>

namespace geo {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kEarthRadiusNm = 3440.065;
inline constexpr double kFeetPerNm = 6076.12;
inline constexpr double kFpmPerKnot = 101.2686; // feet per minute in one knot
inline constexpr double kMetresPerSecondPerKnot = 0.514444;
inline constexpr double kGravity = 9.80665; // metres per second squared

constexpr double radians(double degrees) { return degrees * kPi / 180.0; }
constexpr double degrees(double radians) { return radians * 180.0 / kPi; }
double wrap360(double degrees); // 0 <= result < 360
double wrap180(double degrees); // -180 < result <= 180

struct LatLon {
    double lat, lon; // degrees, north and east positive
};

double distanceNm(LatLon from, LatLon to);
double bearingDeg(LatLon from, LatLon to); // true, initial, 0..360
LatLon travel(LatLon from, double bearingDeg, double distanceNm);

// Where p lies from a line through `origin` along `courseDeg` (true): ahead
// along the line and to its right, in nautical miles, on a flat local frame.
struct TrackOffset {
    double alongNm, rightNm;
};
TrackOffset offsetFromLine(LatLon origin, double courseDeg, LatLon p);

// The standard atmosphere, shifted by the day's sea-level pressure and
// temperature: pressure and density as ratios of the standard sea-level ones.
double pressureRatio(double altitudeFt, double qnhMb);
double densityRatio(double altitudeFt, double qnhMb, double oatC);
constexpr double kStandardLapseCPerFt = 0.0019812;

} // namespace geo
