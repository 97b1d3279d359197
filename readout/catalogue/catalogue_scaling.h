#pragma once
// The scalings the panel applies to simulator values, and their inverses for
// whoever has to produce raw values (the stand-in simulator, tests). Pure
// functions; no state.
#include <cstdint>
#include <limits>
#include <utility>

namespace conv {

// Fixed constants of the panel's conversions.
inline constexpr double sixfive = 65536.0;
inline constexpr double sixFiveSq = 4294967296.0;               // 65536^2
inline constexpr double sixFiveQuad = 1.8446744073709552E19;    // 65536^4
inline constexpr double LatConv = 4.2957189152768E16;           // 10001750 x 65536 x 65536
inline constexpr double Dsixteen = 16384.0;
inline constexpr std::int32_t iSixteen = 16383;

inline constexpr double feetPerMetre = 3.28084;
inline constexpr double apFeetPerMetre = 3.2808; // the autopilot altitude target only
inline constexpr double knotsPerFootPerSecond = 0.592484;
inline constexpr double inHgPerMillibar = 0.0295301;
inline constexpr double inHgHundredthsPerMillibar = 2.95301;
inline constexpr double rankineOffset = 459.67;
inline constexpr std::int32_t fullTank = 8388608; // filled fraction 1.0 (128 x 65536)

// N(x): nearest integer, halves to the even neighbour, independent of the
// floating-point rounding mode. NaN gives 0; values beyond the 64-bit range
// saturate instead of overflowing.
constexpr std::int64_t N(double x)
{
    if (x != x)
        return 0;
    if (x >= 9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::max();
    if (x < -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    const auto t = static_cast<std::int64_t>(x); // toward zero
    const double frac = x - static_cast<double>(t); // exact: |x| < 2^52 or x integral
    if (frac > 0.5 || (frac == 0.5 && (t & 1)))
        return t + 1;
    if (frac < -0.5 || (frac == -0.5 && (t & 1)))
        return t - 1;
    return t;
}

// T(x): truncation toward zero, with the same NaN and range handling as N.
constexpr std::int64_t T(double x)
{
    if (x != x)
        return 0;
    if (x >= 9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::max();
    if (x < -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(x);
}

// N and T for values that go on as 32-bit integers (knob positions, label
// numbers, 32-bit offsets): beyond the 32-bit range the result is its limit.
constexpr std::int32_t saturate32(std::int64_t v)
{
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}
constexpr std::int32_t N32(double x) { return saturate32(N(x)); }
constexpr std::int32_t T32(double x) { return saturate32(T(x)); }

// --- angles: 360 degrees = 65536 ------------------------------------------
constexpr double angle16ToDegrees(std::int32_t v) { return v * 360.0 / 65536.0; }
// Wraps into one turn, the unsigned 16-bit form (reinterpret as signed for
// the signed offsets: 350 degrees and -10 degrees give the same word).
constexpr std::uint16_t degreesToAngle16(double degrees)
{
    return static_cast<std::uint16_t>(static_cast<std::uint64_t>(N(degrees * 65536.0 / 360.0)) & 0xFFFF);
}

// --- heights and positions ---------------------------------------------------
constexpr double metres256ToFeet(std::int32_t v) { return v * feetPerMetre / 256.0; }
constexpr std::int32_t feetToMetres256(double feet) { return static_cast<std::int32_t>(N(feet / feetPerMetre * 256.0)); }
constexpr double altitudeToFeet(std::int64_t v) { return static_cast<double>(v) * feetPerMetre / sixFiveSq; }
constexpr std::int64_t feetToAltitude(double feet) { return N(feet / feetPerMetre * sixFiveSq); }
constexpr double latitudeToDegrees(std::int64_t v) { return static_cast<double>(v) * 90.0 / LatConv; }
constexpr std::int64_t degreesToLatitude(double degrees) { return N(degrees * LatConv / 90.0); }
constexpr double longitudeToDegrees(std::int64_t v) { return static_cast<double>(v) * 360.0 / sixFiveQuad; }
constexpr std::int64_t degreesToLongitude(double degrees) { return N(degrees * sixFiveQuad / 360.0); }
constexpr double apAltitudeToFeet(std::int32_t v) { return v * apFeetPerMetre / sixfive; }
constexpr std::int32_t feetToApAltitude(double feet) { return static_cast<std::int32_t>(N(feet / apFeetPerMetre * sixfive)); }

// --- speeds -------------------------------------------------------------------
constexpr double knots128ToKnots(std::int32_t v) { return v / 128.0; }
constexpr std::int32_t knotsToKnots128(double knots) { return static_cast<std::int32_t>(N(knots * 128.0)); }
constexpr double groundSpeedToKnots(std::int32_t v) { return v * 3600.0 / (1852.0 * 65536.0); }
constexpr std::int32_t knotsToGroundSpeed(double knots) { return static_cast<std::int32_t>(N(knots * 1852.0 * 65536.0 / 3600.0)); }
// The multiplication by 60 is exact integer arithmetic; 64 bits keep it from
// overflowing for any 32-bit input.
constexpr double verticalSpeedToFeetPerMinute(std::int32_t v) { return static_cast<double>(std::int64_t(v) * 60) * feetPerMetre / 256.0; }
constexpr std::int32_t feetPerMinuteToVerticalSpeed(double fpm) { return static_cast<std::int32_t>(N(fpm * 256.0 / (60.0 * feetPerMetre))); }
constexpr double feetPerSecondToKnots(double fps) { return fps * knotsPerFootPerSecond; }
constexpr double knotsToFeetPerSecond(double knots) { return knots / knotsPerFootPerSecond; }

// --- pressure and temperature ---------------------------------------------
constexpr double mb16ToMillibars(std::int32_t v) { return v / 16.0; }
constexpr std::uint16_t millibarsToMb16(double mb) { return static_cast<std::uint16_t>(N(mb * 16.0)); }
constexpr double millibarsToInHg(double mb) { return mb * inHgPerMillibar; }
constexpr double millibarsToInHgHundredths(double mb) { return mb * inHgHundredthsPerMillibar; }
constexpr double celsius256ToCelsius(std::int32_t v) { return v / 256.0; }
constexpr std::int16_t celsiusToCelsius256(double c) { return static_cast<std::int16_t>(N(c * 256.0)); }
constexpr double celsiusToFahrenheit(double c) { return c * 1.8 + 32.0; }
constexpr double fahrenheitToCelsius(double f) { return (f - 32.0) * 0.5555555555555556; }
constexpr double rankineToFahrenheit(double r) { return r - rankineOffset; }
constexpr double fahrenheitToRankine(double f) { return f + rankineOffset; }

// --- engine ---------------------------------------------------------------
constexpr double leverToPercent(std::int32_t v) { return v * 100.0 / Dsixteen; }
constexpr std::int16_t percentToLever(double percent) { return static_cast<std::int16_t>(N(percent * Dsixteen / 100.0)); }
constexpr double oilTemperatureToCelsius(std::int32_t v) { return v * 140.0 / Dsixteen; }
constexpr std::int16_t celsiusToOilTemperature(double c) { return static_cast<std::int16_t>(N(c * Dsixteen / 140.0)); }
constexpr double oilPressureToPsi(std::int32_t v) { return v * 55.0 / Dsixteen; }
constexpr std::uint16_t psiToOilPressure(double psi) { return static_cast<std::uint16_t>(N(psi * Dsixteen / 55.0)); }
constexpr double manifoldToInHg(std::int32_t v) { return v / 1024.0; }
constexpr std::uint16_t inHgToManifold(double inHg) { return static_cast<std::uint16_t>(N(inHg * 1024.0)); }
constexpr double fuelPressureToPsi(std::int32_t v) { return v / 144.0; }
constexpr double hydraulicPressureShown(std::int32_t v) { return v / 4.0; }

// --- fuel and weights -----------------------------------------------------
constexpr double tankLevelToFraction(std::int32_t v) { return v / double(fullTank); }
constexpr std::int32_t fractionToTankLevel(double fraction) { return static_cast<std::int32_t>(N(fraction * fullTank)); }
constexpr double weight256ToPounds(std::int32_t v) { return v / 256.0; }
constexpr std::int32_t poundsToWeight256(double pounds) { return static_cast<std::int32_t>(N(pounds * 256.0)); }

// --- packed decimal radio words ---------------------------------------------
// Four nibbles, lowest the units; COM and NAV words leave out the leading 1
// of the frequency (118.025 MHz travels as 0x1802, 110.50 MHz as 0x1050).
constexpr bool isValidBcd(std::uint16_t word)
{
    for (int shift = 0; shift < 16; shift += 4)
        if (((word >> shift) & 0xF) > 9)
            return false;
    return true;
}
// MHz = (BCD + 10000) / 100, for COM and NAV alike.
double radioWordToMHz(std::uint16_t word);
// The word for a frequency; the third decimal of a COM frequency is not
// part of it (118.025 and 118.020 both give 0x1802).
std::uint16_t mhzToRadioWord(double mhz);
// ADF: the main word holds the kHz digits below the thousands; the
// extension carries the thousands digit as 100 and the tenths in its units.
double adfWordsToKHz(std::uint16_t main, std::uint16_t extension);
std::pair<std::uint16_t, std::uint16_t> kHzToAdfWords(double kHz); // {main, extension}
// Transponder: four octal digits as BCD (1200 travels as 0x1200).
bool isValidSquawk(std::uint16_t word);

} // namespace conv
