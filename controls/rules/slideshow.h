#pragma once
// The slide show's step: which file of the folder's sorted list each visible
// picture frame shows next, and how long a picture stays.
#include <array>
#include <cstdint>
#include <optional>

namespace rules {

struct SlideShowStep {
    // The list index each of the three frames shows, or -1 for a frame that
    // is hidden (or for every frame when the list is empty).
    std::array<int, 3> file{-1, -1, -1};
    // The index the next step starts from.
    int next = 0;
};

// One step from `next`: the visible frames, in order, take the following
// files of the list, wrapping to its start after the last. `wrapFirst`
// also brings a start beyond the list's end back to its first file (the
// timer's step; leaving the settings starts at 0). An empty list shows
// nothing.
SlideShowStep slideShowStep(int next, int fileCount, const std::array<bool, 3> &frameVisible, bool wrapFirst);

// Milliseconds between steps for a display time in minutes, or nothing for
// a time the timer cannot run: 1..35791 minutes (the most a 32-bit interval
// holds).
std::optional<int> slideShowIntervalMs(std::int64_t minutes);

} // namespace rules
