#include "slideshow.h"

#include <limits>

namespace rules {

SlideShowStep slideShowStep(int next, int fileCount, const std::array<bool, 3> &frameVisible, bool wrapFirst)
{
    SlideShowStep step;
    if (fileCount <= 0)
        return step;
    int at = next;
    // A start before the list (it is never set so) counts as past its end.
    if ((wrapFirst && at > fileCount - 1) || at < 0)
        at = 0;
    for (std::size_t frame = 0; frame < frameVisible.size(); ++frame) {
        if (!frameVisible[frame])
            continue;
        if (at > fileCount - 1) // only a start past the end, taken without the wrap
            at = 0;
        step.file[frame] = at;
        ++at;
        if (at > fileCount - 1)
            at = 0;
    }
    step.next = at;
    return step;
}

std::optional<int> slideShowIntervalMs(std::int64_t minutes)
{
    constexpr std::int64_t msPerMinute = 60 * 1000;
    if (minutes < 1 || minutes > std::numeric_limits<int>::max() / msPerMinute)
        return std::nullopt;
    return int(minutes * msPerMinute);
}

} // namespace rules
