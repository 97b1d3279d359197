#include "controlreadout.h"

#include "angles.h"
#include "catalogue_scaling.h"

namespace rules {

std::int32_t apAltitudeHundreds(std::int32_t raw)
{
    return conv::N32(conv::apAltitudeToFeet(raw) / 100.0);
}

std::int32_t headingBugDegrees(std::uint16_t word)
{
    return wholeDegrees(conv::angle16ToDegrees(word));
}

std::int32_t hundreds(std::int64_t value)
{
    return conv::N32(static_cast<double>(value) / 100.0);
}

TColor pitchBarColour(std::int32_t progress)
{
    return progress > 0 ? clGreen : progress == 0 ? clMedGray : clRed;
}

std::int32_t turnNeedleLeft(float deflection)
{
    return conv::saturate32(std::int64_t(conv::N32(7.3 * deflection)) + 66);
}

std::int32_t sideslipBallLeft(float deflection)
{
    return conv::saturate32(std::int64_t(conv::N32(double(deflection) * 22.0)) + 59);
}

std::int32_t elevatorTrimPosition(std::int16_t raw)
{
    return conv::N32(raw / 7.802);
}

std::int32_t sideTrimPosition(std::int16_t raw)
{
    return conv::N32(raw / 164.0);
}

TColor elevatorTrimColour(std::int64_t position)
{
    return position == 0 ? clGray : position > 0 ? clSkyBlue : clRed;
}

TColor sideTrimColour(std::int64_t position)
{
    return position == 0 ? clGray : position > 0 ? clSwitchOn : clRed;
}

TColor gearLampColour(std::int32_t position)
{
    return position == 0 ? clBlue : position == 16383 ? clLime : clRed;
}

SpoilerShown spoilerShown(std::int32_t raw)
{
    if (raw == 0)
        return {0, clGray};
    if (raw == 16383)
        return {2, clRed};
    return {1, clOrange};
}

TColor flapColour(std::int64_t position, std::int64_t maximum)
{
    if (position == maximum)
        return clRed;
    switch (position) {
    case 0: return clGray;
    case 1: return clYellow;
    case 2: return clRedOrange;
    default: return clRed;
    }
}

} // namespace rules
