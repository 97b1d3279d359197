#include "failures.h"

#include "catalogue_scaling.h"

namespace rules {

std::int32_t zoomShown(std::uint16_t raw)
{
    return conv::T32(raw / 64.0);
}

std::int32_t simulationRateShown(std::int16_t raw)
{
    return conv::T32(raw / 256.0);
}

} // namespace rules
