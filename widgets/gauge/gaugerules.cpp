#include "gauge/gaugerules.h"

#include <algorithm>
#include <climits>

bool applyScale(ScaleLimits &l, int scale)
{
    if (scale <= 1)
        return false;
    l.scale = scale;
    if (l.scale <= l.indMaximum)
        l.indMaximum = l.scale - 1;
    if (l.scale - l.indMaximum < l.indMinimum)
        l.indMinimum = l.scale - l.indMaximum;
    return true;
}

bool applyIndMaximum(ScaleLimits &l, int value)
{
    if (value < 1 || value > l.scale - 1)
        return false;
    l.indMaximum = value;
    return true;
}

bool applyIndMinimum(ScaleLimits &l, int value)
{
    if (value < 1 || value > l.scale - 1)
        return false;
    l.indMinimum = value;
    return true;
}

bool angleAccepted(int angle)
{
    return angle >= 11 && angle <= 360;
}

int limitArrowWidth(int width)
{
    return std::clamp(width, 1, 5);
}

bool mainTicksAccepted(int count)
{
    return count >= 1;
}

std::optional<int> framesFromElapsed(qint64 ticksPerSecond, qint64 elapsedTicks)
{
    if (elapsedTicks <= 0 || ticksPerSecond <= 0)
        return std::nullopt;
    return int(std::min<qint64>(ticksPerSecond / elapsedTicks, INT_MAX));
}
