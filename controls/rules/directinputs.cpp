#include "directinputs.h"

#include "catalogue_scaling.h"

#include <algorithm>

namespace rules {

namespace {
std::int16_t toWord(std::int64_t v)
{
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(v, -32768, 32767));
}
} // namespace

std::int16_t elevatorTrimRaw(std::int64_t position)
{
    return toWord(conv::N(static_cast<double>(position) * 7.802));
}

std::int16_t sideTrimRaw(std::int64_t position)
{
    return toWord(conv::N(static_cast<double>(position) * 164.0));
}

std::int16_t padInput(int pixel)
{
    const int p = std::clamp(pixel, 0, 166);
    if (p >= 70 && p <= 96)
        return 0;
    return static_cast<std::int16_t>((p - 82) * 64);
}

} // namespace rules
