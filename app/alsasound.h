#pragma once
// Tones on an ALSA PCM device. beep() only queues the tone and returns; a
// worker thread opens the device, plays what is queued, one tone after the
// other, and closes it again. Without a sound device (or with one that
// cannot be opened) tones are dropped silently. At most kMaxQueuedMs of
// tones wait at any time; more are dropped, so a burst of warnings cannot
// keep the speaker busy long after the panel has moved on.
#include "sound.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Samples of one tone: a sine at `hz`, `ms` long, at `sampleRate` samples a
// second, signed 16-bit, with a few milliseconds of fade at both ends so
// that it starts and stops without a click.
std::vector<std::int16_t> toneSamples(int hz, int ms, int sampleRate);

class AlsaSound : public Sound {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kMaxQueuedMs = 4000;

    explicit AlsaSound(std::string device = "default");
    // Drops the tones still queued, cuts the one playing short and waits for
    // the worker to end.
    ~AlsaSound() override;
    AlsaSound(const AlsaSound &) = delete;
    AlsaSound &operator=(const AlsaSound &) = delete;

    void beep(int hz, int ms) override;

    // Waits until every tone queued so far has been played or dropped.
    void waitIdle();
    // How many times the device could not be opened (for tests).
    int failedOpens() const;

private:
    struct Tone {
        int hz;
        int ms;
    };
    void run();
    void playQueued(std::unique_lock<std::mutex> &lock);

    const std::string m_device;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Tone> m_queue;
    int m_queuedMs = 0;
    bool m_busy = false;
    std::atomic<bool> m_stop{false};
    int m_failedOpens = 0;
    std::thread m_worker;
};
