// The failures readout's figures and the slide show's order and interval.
#include "controls/rules/slideshow.h"
#include "readout/rules/failures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace rules;

TEST(FailuresReadout, DoorsZoomAndRate)
{
    std::vector<int> open;
    for (int door = 1; door <= 8; ++door)
        if (doorOpen(0x81, door))
            open.push_back(door);
    EXPECT_EQ(open, (std::vector<int>{1, 8}));
    EXPECT_FALSE(doorOpen(0xFF, 0));
    EXPECT_FALSE(doorOpen(0xFF, 9));

    const std::pair<std::uint16_t, int> zooms[] = {{64, 1}, {127, 1}, {128, 2}, {0, 0}, {63, 0}, {65535, 1023}};
    for (auto [raw, shown] : zooms)
        EXPECT_EQ(zoomShown(raw), shown) << raw;
    const std::pair<std::int16_t, int> rates[] = {{512, 2}, {128, 0}, {256, 1}, {0, 0}, {8192, 32}, {-384, -1}};
    for (auto [raw, shown] : rates)
        EXPECT_EQ(simulationRateShown(raw), shown) << raw;
}

TEST(SlideShow, FramesTakeTheNextFilesInTurn)
{
    using Files = std::array<int, 3>;
    const std::array<bool, 3> all{true, true, true};
    const std::array<bool, 3> third{false, false, true};
    const std::array<bool, 3> firstAndThird{true, false, true};
    const struct {
        const char *what;
        int files;
        const std::array<bool, 3> &visible;
        bool wrapFirst;
        std::vector<Files> steps;
    } cases[] = {
        {"a, b, c: a, b, c each step", 3, all, false, {{0, 1, 2}, {0, 1, 2}}},
        {"a..d: a, b, c then d, a, b", 4, all, false, {{0, 1, 2}, {3, 0, 1}, {2, 3, 0}}},
        {"frame 3 alone: a, b, c", 3, third, false, {{-1, -1, 0}, {-1, -1, 1}, {-1, -1, 2}, {-1, -1, 0}}},
        {"two files over three frames", 2, all, false, {{0, 1, 0}, {1, 0, 1}}},
        {"frames 1 and 3", 3, firstAndThird, false, {{0, -1, 1}, {2, -1, 0}}},
        {"empty folder: nothing", 0, all, true, {{-1, -1, -1}, {-1, -1, -1}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        int next = 0;
        bool wrap = c.wrapFirst;
        for (const Files &expected : c.steps) {
            const SlideShowStep s = slideShowStep(next, c.files, c.visible, wrap);
            EXPECT_EQ(s.file, expected);
            next = s.next;
            wrap = true; // the timer's steps
        }
    }
    // A start past the list's end: the timer's step wraps it first; a start
    // taken as it is still never indexes past the end.
    EXPECT_EQ(slideShowStep(7, 3, all, true).file, (Files{0, 1, 2}));
    EXPECT_EQ(slideShowStep(7, 3, all, false).file, (Files{0, 1, 2}));
    EXPECT_EQ(slideShowStep(-4, 3, third, true).file, (Files{-1, -1, 0}));
}

TEST(SlideShow, DisplayTimeInMinutes)
{
    EXPECT_EQ(slideShowIntervalMs(1), 60000);
    EXPECT_EQ(slideShowIntervalMs(2), 120000);
    EXPECT_EQ(slideShowIntervalMs(35791), 2147460000);
    EXPECT_EQ(slideShowIntervalMs(35792), std::nullopt) << "beyond a 32-bit interval";
    EXPECT_EQ(slideShowIntervalMs(0), std::nullopt) << "a timer of 0 ms would spin";
    EXPECT_EQ(slideShowIntervalMs(-1), std::nullopt);
    EXPECT_EQ(slideShowIntervalMs(2147483647), std::nullopt);
}
