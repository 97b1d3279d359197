#pragma once
// Angles and sizes of the rotatable image: how large a turned picture is, how
// it is shrunk or stretched into the control, and where it is placed.
#include <QPoint>
#include <QSize>

// The angle brought into 0 <= a < 360 degrees (450 -> 90, -90 -> 270). An angle
// that is not a finite number is taken as 0, so it can neither hang the
// reduction nor poison the sizes below.
double ReduceAngle(double degrees);
double DegreesToRadians(double degrees);

// Size of a w x h picture turned by the angle: |cos a| w + |sin a| h and
// |sin a| w + |cos a| h, computed in 32-bit floats and rounded up.
int RotatedWidth(int w, int h, double radians);
int RotatedHeight(int w, int h, double radians);

// Whether the turned picture must be resampled to fit the control: always with
// stretch, with proportional only when it exceeds the client area.
bool NeedsStretch(QSize rotated, QSize client, bool stretch, bool proportional);

// With stretch the client size; otherwise the turned size, shrunk (never
// enlarged) with proportional by the smaller of the two fit factors.
QSize StretchedSize(QSize rotated, QSize client, bool stretch, bool proportional);
inline int StretchedWidth(QSize rotated, QSize client, bool stretch, bool proportional)
{
    return StretchedSize(rotated, client, stretch, proportional).width();
}
inline int StretchedHeight(QSize rotated, QSize client, bool stretch, bool proportional)
{
    return StretchedSize(rotated, client, stretch, proportional).height();
}

// Top-left of a picture of the given size in the client area: centred (integer
// halves, truncated toward zero, so a larger picture gets a negative offset and
// is clipped evenly) or at the origin.
QPoint CenterOffset(QSize client, QSize picture, bool center);
