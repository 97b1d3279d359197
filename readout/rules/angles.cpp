#include "angles.h"

#include "catalogue_scaling.h"

namespace rules {

std::int32_t wholeDegrees(double degrees)
{
    const std::int64_t r = conv::N(degrees) % 360;
    return static_cast<std::int32_t>(r < 0 ? r + 360 : r);
}

} // namespace rules
