#pragma once
// Scale arithmetic of the rotary knob, free of any widget state so that it can
// be checked without a display.
//
// Angles are whole mathematical degrees: 0 points right, counter-clockwise is
// positive, y grows upward. Min sits at 240 degrees (lower left), Max at -60
// degrees (lower right); the sweep runs clockwise over the top and the 60
// degrees at the bottom are dead.
#include <cstdint>

namespace knobscale {

constexpr int MinAngle = 240;
constexpr int MaxAngle = -60;
constexpr double Sweep = 300.0;

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double v);
// roundHalfEven, saturated to the int range; NaN gives 0.
int roundToInt(double v);

struct Steps {
    float angleInterval = 0.0f; // degrees per unit of position; 0 when Min = Max
    std::int64_t steps = 0;     // |Max - Min|
};
Steps setSteps(std::int32_t min, std::int32_t max);

// Indicator direction of a position.
int calcAngle(std::int32_t position, std::int32_t min, float angleInterval);
// Position under a direction; Min when the range is empty.
std::int32_t calcPosition(int angle, std::int32_t min, float angleInterval);

// The clamping rule of SetParams. With Max below Min (negative interval) a
// position above Min wraps to Max and one below Max to Min.
std::int32_t clampPosition(std::int32_t position, std::int32_t min, std::int32_t max,
                           float angleInterval);

// Direction of the pointer (x, y) seen from the control centre (cx, cy), with
// the dead zone folded onto the ends: -60..240.
int pointerAngle(int cx, int cy, int x, int y);

// End stop while dragging: a knob resting at one end does not jump across the
// dead zone to the other end.
bool dragMoveIgnored(std::int32_t position, std::int32_t min, std::int32_t max, int angle);

// Whether the pixel (x, y) lies in the ellipse inscribed in a w x h rectangle.
bool insideInscribedEllipse(int w, int h, int x, int y);

// Limits of the indicator size; radius is the knob's radius at assignment.
float limitLineLength(float value, float radius);
float limitLineWidth(float value);

// New side of the always-square knob after a resize to w x h.
int squareSide(int w, int h, int diameter);

} // namespace knobscale
