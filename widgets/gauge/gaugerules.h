#pragma once
// The value rules of the dial's setters, kept apart from the widget so they
// can be checked without a display. Each apply* returns whether it stored.
#include <QtGlobal>
#include <optional>

// End of the scale and the two range limits, which constrain each other.
struct ScaleLimits {
    int scale = 140;
    int indMinimum = 30;
    int indMaximum = 80;
};

// A scale of 1 or less is refused. Otherwise the high limit is pulled below
// the new end, and the low limit down to what is left above the high limit.
bool applyScale(ScaleLimits &l, int scale);
// Range limits must lie inside the scale (1 .. scale - 1).
bool applyIndMaximum(ScaleLimits &l, int value);
bool applyIndMinimum(ScaleLimits &l, int value);

// A scale angle outside 11..360 degrees is refused.
bool angleAccepted(int angle);
// Needle width is kept within 1..5 pixels.
int limitArrowWidth(int width);
// Tick angles and tick numbers divide by the number of main intervals, so
// fewer than one is refused.
bool mainTicksAccepted(int count);

// Redraw rate from the counter frequency and the ticks a redraw took; none
// when the redraw took no measurable time.
std::optional<int> framesFromElapsed(qint64 ticksPerSecond, qint64 elapsedTicks);
