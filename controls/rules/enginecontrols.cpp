#include "enginecontrols.h"

#include "catalogue_scaling.h"

namespace rules {

std::int16_t leverWord(int barPosition)
{
    return static_cast<std::int16_t>(conv::N(-barPosition / 100.0 * conv::Dsixteen));
}

std::vector<int> syncedEngines(int engine, std::int64_t engines)
{
    std::vector<int> others;
    if (engine != 1 && engine != 2)
        return others;
    for (int m = 1; m <= 4 && m <= engines; ++m)
        if (m != engine)
            others.push_back(m);
    return others;
}

int autoMixtureStep(double ratio)
{
    if (ratio < 0.082)
        return -1;
    if (ratio > 0.084)
        return 1;
    return 0;
}

std::int32_t tankLevelFromBar(int barPosition)
{
    return conv::T32(-barPosition / 100.0 * conv::fullTank);
}

} // namespace rules
