#pragma once
// What the flight instrument readers make of the simulator's values: the
// altitude and vertical speed bars, the altimeter and QNH displays, the gyro
// drift warning, durations and the airport identifiers.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace rules {

// The altitude bar runs from 0 to the service ceiling the user typed. A text
// that is no number keeps the present top; a ceiling of 0 or below makes an
// empty bar. The altitude is clamped into the bar, and a clamped altitude
// below 500 feet is shown as a warning.
struct AltitudeBar {
    int maxValue;
    int progress;
    bool low;
};
AltitudeBar altitudeBar(std::int64_t altitudeFeet, std::optional<int> ceiling, int presentMax);

// Height above ground that is worth a warning.
constexpr bool closeToGround(std::int64_t aboveGroundFeet) { return aboveGroundFeet < 200; }

// The vertical speed bar's colour: level, a climb within the bar, or any
// descent or a climb beyond it.
enum class ClimbColour { Level, Climb, Warning };
ClimbColour climbColour(std::int64_t feetPerMinute);

// The altimeter knob for a setting of `mb16` (millibars x 16): millibars
// 870..1087 on the knob, or hundredths of an inch of mercury 2569..3210 with
// the decimal point shown.
struct KollsmanDisplay {
    int min, max, position;
    bool dot;
};
KollsmanDisplay kollsmanDisplay(std::uint16_t mb16, bool millibars);

// The QNH pressure as shown ("1013.2" with "Mb", or "29.92" with "In.Hg"),
// and the altimeter knob position that means "set to QNH".
struct QnhDisplay {
    QString text;
    QString scale;
    int knobPosition;
};
QnhDisplay qnhDisplay(std::uint16_t mb16, bool millibars);

// Gyro drift in degrees, held as the single-precision value it is shown
// from, and whether it has drifted enough to be reset.
float gyroDriftDegrees(std::int16_t raw);
constexpr bool gyroDrifted(float degrees) { return degrees > 0.75f || degrees < -0.75f; }

// The magnetic variation in whole degrees.
std::int32_t magneticVariation(std::int16_t raw);

// A count of seconds as hours:minutes:seconds ("1:02:05"), hours as many as
// there are.
QString durationText(std::uint32_t seconds);

// Characters of single bytes up to the first zero byte, which ends the text
// an identifier shorter than its field leaves.
QString characterText(const QByteArray &bytes);
// The four characters of a 32-bit value, lowest byte first.
QString fourCharacters(std::uint32_t value);

} // namespace rules
