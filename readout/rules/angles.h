#pragma once
// Angles as the panel's dials show them. The heading, course and bug knobs
// run from -179 to 180 with straight up at 0, so a bearing past 180 degrees
// is shown as its negative complement.
#include <cstdint>

namespace rules {

// The knob position of a bearing in whole degrees: 270 is -90, 180 stays 180.
constexpr std::int64_t knobDegrees(std::int64_t degrees) { return degrees > 180 ? degrees - 360 : degrees; }

// Whole degrees 0..359 of an angle in degrees, rounded half to even and
// wrapped after rounding, so 359.7 is 0 and -0.2 is 0.
std::int32_t wholeDegrees(double degrees);

} // namespace rules
