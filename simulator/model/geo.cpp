#include "geo.h"

namespace geo {

double wrap360(double degrees)
{
    const double r = std::fmod(degrees, 360.0);
    return r < 0 ? r + 360.0 : r;
}

double wrap180(double degrees)
{
    const double r = wrap360(degrees);
    return r > 180.0 ? r - 360.0 : r;
}

double distanceNm(LatLon from, LatLon to)
{
    const double p1 = radians(from.lat), p2 = radians(to.lat);
    const double dp = p2 - p1, dl = radians(to.lon - from.lon);
    const double a = std::sin(dp / 2) * std::sin(dp / 2) + std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
    return 2.0 * kEarthRadiusNm * std::atan2(std::sqrt(a), std::sqrt(1.0 - a));
}

double bearingDeg(LatLon from, LatLon to)
{
    const double p1 = radians(from.lat), p2 = radians(to.lat), dl = radians(to.lon - from.lon);
    const double y = std::sin(dl) * std::cos(p2);
    const double x = std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl);
    return wrap360(degrees(std::atan2(y, x)));
}

LatLon travel(LatLon from, double bearing, double distance)
{
    const double d = distance / kEarthRadiusNm, b = radians(bearing);
    const double p1 = radians(from.lat), l1 = radians(from.lon);
    const double p2 = std::asin(std::sin(p1) * std::cos(d) + std::cos(p1) * std::sin(d) * std::cos(b));
    const double l2 = l1 + std::atan2(std::sin(b) * std::sin(d) * std::cos(p1), std::cos(d) - std::sin(p1) * std::sin(p2));
    return {degrees(p2), wrap180(degrees(l2))};
}

TrackOffset offsetFromLine(LatLon origin, double courseDeg, LatLon p)
{
    const double north = (p.lat - origin.lat) * 60.0;
    const double east = wrap180(p.lon - origin.lon) * 60.0 * std::cos(radians(origin.lat));
    const double c = radians(courseDeg);
    return {north * std::cos(c) + east * std::sin(c), east * std::cos(c) - north * std::sin(c)};
}

double pressureRatio(double altitudeFt, double qnhMb)
{
    const double base = 1.0 - 6.8755856e-6 * altitudeFt;
    return (qnhMb / 1013.25) * std::pow(base > 0.05 ? base : 0.05, 5.2558797);
}

double densityRatio(double altitudeFt, double qnhMb, double oatC)
{
    return pressureRatio(altitudeFt, qnhMb) * 288.15 / (oatC + 273.15 > 150.0 ? oatC + 273.15 : 150.0);
}

} // namespace geo
