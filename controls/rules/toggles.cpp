#include "toggles.h"

#include "catalogue_scaling.h"

namespace rules {

std::int32_t leverToggled(std::int32_t old)
{
    return conv::saturate32(((std::int64_t(old) / 16383) ^ 1) * 16383);
}

} // namespace rules
