#pragma once
// What the autopilot settings write for the targets the user gives, and the
// knob positions that go with them. All arithmetic in 64 bits.
#include <cstdint>

namespace rules {

// The heading bug word: degrees x 65536 / 360 truncated, its low 16 bits
// (360 writes 0, 400 about 40 degrees, -10 the word of 350 degrees).
std::uint16_t headingBugWord(std::int64_t degrees);

// The altitude target in metres x 65536 for feet (3.28084 feet per metre),
// rounded half to even; may exceed 32 bits for absurd altitudes, which the
// caller refuses.
std::int64_t apAltitudeRaw(std::int64_t feet);

// The altitude step lever: -n raises the target by n hundred feet.
std::int64_t steppedAltitude(std::int64_t feet, std::int64_t leverPosition);

} // namespace rules
