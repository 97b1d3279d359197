#include "knob/knobscale.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace knobscale {

namespace {

std::int32_t saturate32(std::int64_t v)
{
    return std::int32_t(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

} // namespace

double roundHalfEven(double v)
{
    // The default floating-point rounding mode rounds halves to even; nothing
    // in this program changes it.
    return std::nearbyint(v);
}

int roundToInt(double v)
{
    if (std::isnan(v))
        return 0;
    const double r = roundHalfEven(v);
    if (r <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (r >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(r);
}

Steps setSteps(std::int32_t min, std::int32_t max)
{
    // 64-bit difference: Max - Min of two 32-bit values may not fit 32 bits.
    const std::int64_t d = std::int64_t(max) - std::int64_t(min);
    if (d == 0)
        return {};
    return {float(Sweep / double(d)), d < 0 ? -d : d};
}

int calcAngle(std::int32_t position, std::int32_t min, float angleInterval)
{
    const double offset = double(std::int64_t(position) - std::int64_t(min)) * double(angleInterval);
    return MinAngle - roundToInt(offset);
}

std::int32_t calcPosition(int angle, std::int32_t min, float angleInterval)
{
    if (angleInterval == 0.0f)
        return min;
    // Steps from Min can pass 2^31 on a range wider than that: count them in
    // 64 bits and limit only the position, once Min is added.
    const double units = roundHalfEven(double(MinAngle - angle) / double(angleInterval));
    if (std::isnan(units))
        return min;
    const double limited = std::clamp(units, -4294967296.0, 4294967296.0);
    return saturate32(std::int64_t(limited) + min);
}

std::int32_t clampPosition(std::int32_t position, std::int32_t min, std::int32_t max,
                           float angleInterval)
{
    std::int32_t p = position;
    if (angleInterval >= 0.0f) {
        if (min > p)
            p = min;
        if (p > max)
            p = max;
    } else {
        if (p > min)
            p = max;
        if (p < max)
            p = min;
    }
    return p;
}

int pointerAngle(int cx, int cy, int x, int y)
{
    int angle;
    if (x == cx) {
        angle = y <= cy ? 90 : 240;
    } else {
        const double t = std::atan(double(cy - y) / double(x - cx));
        angle = roundToInt(t * 180.0 / std::numbers::pi);
        if (x < cx)
            angle = (angle + 540) % 360;
    }
    if (angle > 240 && angle <= 270)
        angle = 240;
    else if (angle < -60)
        angle = -60;
    return angle;
}

bool dragMoveIgnored(std::int32_t position, std::int32_t min, std::int32_t max, int angle)
{
    return (position == min && angle < 90) || (position == max && angle > 90);
}

bool insideInscribedEllipse(int w, int h, int x, int y)
{
    if (w <= 0 || h <= 0)
        return false;
    const double a = w / 2.0;
    const double b = h / 2.0;
    const double dx = (x + 0.5 - a) / a;
    const double dy = (y + 0.5 - b) / b;
    return dx * dx + dy * dy <= 1.0;
}

float limitLineLength(float value, float radius)
{
    if (value <= 3.0f)
        return 3.0f;
    if (value >= radius - 9.0f)
        return radius - 9.0f;
    return value;
}

float limitLineWidth(float value)
{
    if (value <= 1.0f)
        return 1.0f;
    if (value >= 8.0f)
        return 8.0f;
    return value;
}

int squareSide(int w, int h, int diameter)
{
    if (w > diameter || h > diameter)
        return std::max(w, h);
    if (w < diameter || h < diameter)
        return std::min(w, h);
    return diameter;
}

} // namespace knobscale
