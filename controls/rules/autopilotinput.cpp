#include "autopilotinput.h"

#include "catalogue_scaling.h"

namespace rules {

std::uint16_t headingBugWord(std::int64_t degrees)
{
    // Integer division truncates toward zero, as the conversion does.
    return static_cast<std::uint16_t>(static_cast<std::uint64_t>(degrees * 65536 / 360) & 0xFFFF);
}

std::int64_t apAltitudeRaw(std::int64_t feet)
{
    return conv::N(static_cast<double>(feet) * conv::sixfive / conv::feetPerMetre);
}

std::int64_t steppedAltitude(std::int64_t feet, std::int64_t leverPosition)
{
    return feet - leverPosition * 100;
}

} // namespace rules
