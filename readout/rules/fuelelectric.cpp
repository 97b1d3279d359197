#include "fuelelectric.h"

#include "catalogue_scaling.h"

#include <algorithm>

namespace rules {

int tankBarPosition(std::int32_t level)
{
    const std::int64_t position = conv::N(conv::tankLevelToFraction(level) * -100.0);
    return int(std::clamp<std::int64_t>(position, -100, 0));
}

TColor tankColour(std::int64_t percent)
{
    if (percent <= 0)
        return clGray;
    return percent < 12 ? clRed : clLime;
}

QString tankHint(std::int64_t percent, std::int32_t gallons)
{
    return QStringLiteral("Move the Slider to Desired Level: %1% of %2 Gallons").arg(percent).arg(gallons);
}

TColor tankSelectorColour(std::int64_t position)
{
    return position != 0 ? clSwitchOn : clGray;
}

DialRange voltageDialRange(double volts)
{
    const std::int64_t v = conv::N(volts);
    if (v >= 11 && v <= 14)
        return {15, 10, 5};
    if (v >= 20 && v <= 25)
        return {27, 20, 11};
    return {38, 24, 11};
}

std::array<int, 10> lightSwitchPositions(std::int16_t word)
{
    std::array<int, 10> positions{};
    int rest = word;
    int divisor = 512;
    for (int &p : positions) {
        p = rest / divisor;
        rest %= divisor;
        divisor /= 2;
    }
    return positions;
}

} // namespace rules
