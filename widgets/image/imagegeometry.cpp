#include "image/imagegeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double ReduceAngle(double degrees)
{
    if (!std::isfinite(degrees))
        return 0.0;
    // fmod is exact, and unlike repeated subtraction it cannot run for ever on
    // a huge angle.
    double a = std::fmod(degrees, 360.0);
    if (a < 0.0)
        a += 360.0;
    if (a >= 360.0) // a tiny negative angle plus 360 rounds to 360
        a = 0.0;
    return a;
}

double DegreesToRadians(double degrees)
{
    return std::numbers::pi * degrees / 180.0;
}

namespace {

int roundUpSize(float v)
{
    if (!(v > 0.0f))
        return 0;
    return int(std::ceil(v));
}

} // namespace

int RotatedWidth(int w, int h, double radians)
{
    if (w <= 0 || h <= 0)
        return 0;
    const float c = std::fabs(float(std::cos(radians)));
    const float s = std::fabs(float(std::sin(radians)));
    return roundUpSize(c * float(w) + s * float(h));
}

int RotatedHeight(int w, int h, double radians)
{
    if (w <= 0 || h <= 0)
        return 0;
    const float c = std::fabs(float(std::cos(radians)));
    const float s = std::fabs(float(std::sin(radians)));
    return roundUpSize(s * float(w) + c * float(h));
}

bool NeedsStretch(QSize rotated, QSize client, bool stretch, bool proportional)
{
    if (stretch)
        return true;
    return proportional && (rotated.width() > client.width() || rotated.height() > client.height());
}

QSize StretchedSize(QSize rotated, QSize client, bool stretch, bool proportional)
{
    if (stretch)
        return client;
    if (!proportional || rotated.width() <= 0 || rotated.height() <= 0)
        return rotated;
    const double fw = rotated.width() > client.width() ? double(client.width()) / rotated.width() : 1.0;
    const double fh = rotated.height() > client.height() ? double(client.height()) / rotated.height() : 1.0;
    const double f = std::max(0.0, std::min(fw, fh));
    return QSize(int(std::lround(rotated.width() * f)), int(std::lround(rotated.height() * f)));
}

QPoint CenterOffset(QSize client, QSize picture, bool center)
{
    if (!center)
        return QPoint(0, 0);
    return QPoint((client.width() - picture.width()) / 2, (client.height() - picture.height()) / 2);
}
