// The warning tones: their samples, and the sound device's player, which
// never holds up its caller and stays silent without a device.
#include "alsasound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

TEST(Tones, SamplesOfASineThatStartsAndEndsQuietly)
{
    const struct {
        int hz, ms, rate;
        std::size_t samples;
    } cases[] = {
        {880, 200, 44100, 8820}, {440, 100, 44100, 4410}, {440, 300, 8000, 2400}, {1000, 1, 44100, 44},
        {880, 0, 44100, 0},      {0, 200, 44100, 0},      {880, -5, 44100, 0},
    };
    for (const auto &c : cases) {
        const std::vector<std::int16_t> tone = toneSamples(c.hz, c.ms, c.rate);
        ASSERT_EQ(tone.size(), c.samples) << c.hz << " Hz " << c.ms << " ms";
        if (tone.size() < 100)
            continue;
        // The pitch: one rising zero crossing a period.
        int rising = 0;
        for (std::size_t i = 1; i < tone.size(); ++i)
            if (tone[i - 1] < 0 && tone[i] >= 0)
                ++rising;
        EXPECT_NEAR(rising, c.hz * c.ms / 1000, 1) << c.hz << " Hz";
        // Loud in the middle, silent at both ends, never clipped.
        const auto loudest = *std::max_element(tone.begin(), tone.end());
        EXPECT_GT(loudest, 9000);
        EXPECT_LT(loudest, 10000);
        EXPECT_EQ(tone.front(), 0);
        EXPECT_LE(std::abs(tone.back()), 1);
    }
}

TEST(AlsaSoundTest, WithoutADeviceTonesAreDroppedQuietly)
{
    AlsaSound sound("veltrano-no-such-device");
    sound.beep(880, 200);
    sound.beep(440, 100);
    sound.waitIdle();
    EXPECT_GE(sound.failedOpens(), 1);
    sound.beep(880, 200); // and it goes on accepting them
    sound.waitIdle();
    EXPECT_GE(sound.failedOpens(), 2);
}

TEST(AlsaSoundTest, ADevicePlaysTheTonesAndStopsWhenDestroyed)
{
    {
        AlsaSound sound("null"); // ALSA's device that plays into nothing
        sound.beep(880, 20);
        sound.beep(440, 10);
        sound.waitIdle();
        EXPECT_EQ(sound.failedOpens(), 0);
    }
    // Destroyed with a long queue: it neither plays it out nor hangs.
    AlsaSound sound("null");
    for (int i = 0; i < 10; ++i)
        sound.beep(440, 300);
}
