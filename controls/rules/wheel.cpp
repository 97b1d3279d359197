#include "wheel.h"

#include "catalogue_scaling.h"

#include <algorithm>

namespace rules {

int gatherNotches(int &gathered, int delta)
{
    if (delta == 0)
        return 0;
    if ((gathered < 0 && delta > 0) || (gathered > 0 && delta < 0))
        gathered = 0;
    const std::int64_t total = std::int64_t(gathered) + delta;
    const std::int64_t notches = total / kWheelNotch;
    gathered = int(total - notches * kWheelNotch);
    return int(notches);
}

std::int32_t stepWithin(std::int64_t value, std::int64_t step, std::int64_t lo, std::int64_t hi)
{
    // Values shown come from 32-bit conversions, so the sum cannot overflow.
    return conv::saturate32(std::max(lo, std::min(value + step, hi)));
}

std::int32_t leverNotch(std::int64_t percent, int notch, int lowest, int highest)
{
    return stepWithin(percent, -notch, lowest, highest);
}

std::int32_t bearingNotch(std::int64_t degrees, int notch)
{
    const std::int64_t turned = (degrees + notch) % 360;
    return std::int32_t(turned < 0 ? turned + 360 : turned);
}

std::int32_t hundredsNotch(std::int64_t value, int notch, int min, int max)
{
    return stepWithin(conv::N(static_cast<double>(value) / 100.0), notch, min, max);
}

std::int32_t elevatorTrimNotch(double shown, int notch)
{
    return conv::saturate32(conv::N32(shown * 100.0) + std::int64_t(3) * notch);
}

std::int32_t sideTrimNotch(double shown, int notch)
{
    return stepWithin(conv::N32(shown), notch, -100, 100);
}

namespace {

// Whether a selector code names a tank the aircraft has, and where to look
// next when it does not: the step up and the step down from that code. The
// second of a left/right pair is passed over with the first.
struct Candidate {
    bool accepted;
    int up;
    int down;
};

Candidate examine(std::int64_t code, const TankPresence &t)
{
    switch (code) {
    case 2: return {t.leftMain, 2, -1};
    case 3: return {t.rightMain, 1, -2};
    case 4: return {t.leftAux, 2, -1};
    case 5: return {t.rightAux, 1, -2};
    case 6: return {t.centre, 1, -1};
    case 7: return {t.centre2, 1, -1};
    case 8: return {t.centre3, 1, -1};
    case 9: return {t.external1, 2, -1};
    case 10: return {t.external2, 1, -2};
    case 11: return {t.rightTip, 2, -1};
    case 12: return {t.leftTip, 1, -2};
    case 17: return {t.external1, 1, -1};
    case 18: return {false, 1, -1};
    case 19: return {t.leftMain, 1, -1};
    case 20: return {t.rightMain, 0, -1}; // going up, a missing right main wraps to "all"
    default: return {true, 0, 0};        // cut, all and the crossfeeds
    }
}

} // namespace

std::int32_t fuelSelectorNotch(std::int64_t code, int notch, const TankPresence &tanks, int min, int max)
{
    const bool up = notch > 0;
    std::int64_t candidate = code + (up ? 1 : -1);
    const std::int64_t last = up ? 20 : 19;
    while (candidate >= 0 && candidate <= last) {
        const Candidate c = examine(candidate, tanks);
        if (c.accepted)
            return std::int32_t(candidate);
        if (up && candidate == 20)
            return 1;
        candidate += up ? c.up : c.down;
    }
    return stepWithin(candidate, 0, min, max);
}

} // namespace rules
