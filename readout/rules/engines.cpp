#include "engines.h"

#include "catalogue_scaling.h"

#include <algorithm>

namespace rules {

namespace {

constexpr TColor kCowlGreen = RGBColor(0, 204, 102);
constexpr TColor kAmber = RGBColor(255, 153, 0);

} // namespace

std::int32_t leverPercent(std::int16_t raw)
{
    return conv::N32(conv::leverToPercent(raw));
}

int leverBarPosition(std::int64_t percent)
{
    return percent < 0 ? 0 : int(-std::min<std::int64_t>(percent, 100));
}

int selectedEngineIndex(int selector)
{
    return selector >= 2 && selector <= 4 ? selector - 1 : 0;
}

TemperatureDial cylinderHeadDial(double fahrenheit, bool celsius)
{
    if (celsius)
        return {{30, 27, 5}, "Cx10", conv::fahrenheitToCelsius(fahrenheit)};
    return {{60, 51, 10}, "Fx10", fahrenheit};
}

TemperatureDial exhaustGasDial(double rankine, bool celsius)
{
    const double fahrenheit = conv::rankineToFahrenheit(rankine);
    if (celsius)
        return {{80, 65, 30}, "Cx10", conv::fahrenheitToCelsius(fahrenheit)};
    return {{160, 135, 60}, "Fx10", fahrenheit};
}

TemperatureDial oilTemperatureDial(std::int16_t raw, bool celsius)
{
    const double c = conv::oilTemperatureToCelsius(raw);
    if (celsius)
        return {{12, 11, 3}, "Cx10", c};
    return {{24, 21, 5}, "Fx10", conv::celsiusToFahrenheit(c)};
}

std::optional<int> rpmDialScale(int scale, double rpm)
{
    const std::int64_t hundreds = conv::N(rpm / 100.0);
    if (scale < hundreds)
        return conv::saturate32(hundreds + 10);
    return std::nullopt;
}

std::optional<int> manifoldDialScale(int scale, double inHg)
{
    if (scale < conv::N(inHg))
        return conv::saturate32(conv::N(inHg / 10.0) * 10 + 5);
    return std::nullopt;
}

int fuelFlowThrottle(int throttleBar1, int throttleBar2, std::int64_t engines)
{
    if (-throttleBar1 > 1)
        return -throttleBar1;
    if (engines > 1 && -throttleBar2 > 1)
        return -throttleBar2;
    return 0;
}

std::optional<FuelFlowRange> fuelFlowRescale(int scale, float flow, int throttle)
{
    if (throttle <= 0)
        return std::nullopt;
    const std::int64_t shown = conv::N(flow);
    const bool passedEnd = scale < shown;
    const bool underQuarter = conv::N(scale / 4.0) > shown && throttle > 50;
    if (!passedEnd && !underQuarter)
        return std::nullopt;
    const std::int64_t k = conv::N(double(flow) / (throttle / 100.0) / 10.0);
    const std::int32_t newScale = conv::N32(double(k) * 10.0 + 5.0);
    return FuelFlowRange{newScale, conv::N32(newScale * 0.75)};
}

TColor runningLampColour(std::uint16_t combustion, std::uint32_t alarm)
{
    if (alarm == 1)
        return clRed;
    return combustion == 0 ? clSilver : clLime;
}

TColor magnetoColour(std::int64_t position)
{
    switch (position) {
    case 0: return clGray;
    case 1:
    case 2: return clOrange;
    case 3: return clSwitchOn;
    default: return clRed;
    }
}

std::int32_t cowlFlapsPosition(double fraction)
{
    return conv::N32(fraction * 10.0);
}

TColor cowlFlapsColour(std::int64_t position)
{
    if (position <= 0)
        return clGray;
    if (position <= 3)
        return kCowlGreen;
    if (position <= 7)
        return kAmber;
    return clRed;
}

std::int32_t hydraulicPumpsPosition(std::uint8_t pumps)
{
    return conv::N32(pumps / 15.0);
}

int nextScannedEngine(int position, std::int64_t engines, int first)
{
    const std::int64_t next = std::int64_t(position) + 1;
    return next > engines ? first : int(next);
}

std::optional<int> engineSelectorPullBack(int position, std::int64_t engines, int min, int max)
{
    if (engines < position && engines >= min && engines <= max)
        return int(engines);
    return std::nullopt;
}

} // namespace rules
