#include "instruments.h"

#include "catalogue_scaling.h"

#include <algorithm>

namespace rules {

AltitudeBar altitudeBar(std::int64_t altitudeFeet, std::optional<int> ceiling, int presentMax)
{
    const int top = ceiling ? std::max(*ceiling, 0) : presentMax;
    const int progress = static_cast<int>(std::clamp<std::int64_t>(altitudeFeet, 0, top));
    return {top, progress, progress < 500};
}

ClimbColour climbColour(std::int64_t feetPerMinute)
{
    if (feetPerMinute == 0)
        return ClimbColour::Level;
    return feetPerMinute >= 1 && feetPerMinute <= 4000 ? ClimbColour::Climb : ClimbColour::Warning;
}

KollsmanDisplay kollsmanDisplay(std::uint16_t mb16, bool millibars)
{
    const double mb = conv::mb16ToMillibars(mb16);
    if (millibars)
        return {870, 1087, conv::N32(mb), false};
    return {2569, 3210, conv::N32(conv::millibarsToInHgHundredths(mb)), true};
}

QnhDisplay qnhDisplay(std::uint16_t mb16, bool millibars)
{
    const double mb = conv::mb16ToMillibars(mb16);
    if (millibars)
        return {QString::asprintf("%4.1f", mb), QStringLiteral("Mb"), conv::N32(mb)};
    const double inHg = conv::millibarsToInHg(mb);
    return {QString::asprintf("%2.2f", inHg), QStringLiteral("In.Hg"), conv::N32(inHg * 100)};
}

float gyroDriftDegrees(std::int16_t raw)
{
    return static_cast<float>(conv::angle16ToDegrees(raw));
}

std::int32_t magneticVariation(std::int16_t raw)
{
    return conv::N32(static_cast<float>(conv::angle16ToDegrees(raw)));
}

QString durationText(std::uint32_t seconds)
{
    // 64 bits throughout: routes of more than 32768 minutes keep their hours.
    const std::int64_t s = seconds;
    const std::int64_t minutes = s / 60;
    const std::int64_t h = minutes / 60;
    const std::int64_t m = minutes - 60 * h;
    const std::int64_t rest = s - (3600 * h + 60 * m);
    return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(rest, 2, 10, QLatin1Char('0'));
}

QString characterText(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLatin1(end < 0 ? bytes : bytes.left(end));
}

QString fourCharacters(std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return characterText(bytes);
}

} // namespace rules
