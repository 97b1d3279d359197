#include "alsasound.h"

#include "catalogue_scaling.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// ALSA describes a missing card or configuration on standard error; a panel
// without a sound device simply stays silent.
void quietAlsa(const char *, int, const char *, int, const char *, ...) {}

constexpr int kFadeMs = 5;
constexpr double kAmplitude = 0.3 * 32767.0;
constexpr int kChunkFrames = AlsaSound::kSampleRate / 100; // 10 ms: how soon a stop is seen
constexpr unsigned kLatencyUs = 100000;

} // namespace

std::vector<std::int16_t> toneSamples(int hz, int ms, int sampleRate)
{
    if (hz <= 0 || ms <= 0 || sampleRate <= 0)
        return {};
    const auto count = std::size_t(std::int64_t(sampleRate) * ms / 1000);
    const auto fade = std::min(count / 2, std::size_t(std::int64_t(sampleRate) * kFadeMs / 1000));
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        double envelope = 1.0;
        const std::size_t fromEnd = count - 1 - i;
        if (i < fade)
            envelope = double(i) / double(fade);
        if (fromEnd < fade)
            envelope = std::min(envelope, double(fromEnd) / double(fade));
        const double phase = 2.0 * std::numbers::pi * double(hz) * double(i) / double(sampleRate);
        samples[i] = std::int16_t(conv::N32(kAmplitude * envelope * std::sin(phase)));
    }
    return samples;
}

AlsaSound::AlsaSound(std::string device) : m_device(std::move(device))
{
    static std::once_flag quiet;
    std::call_once(quiet, [] { snd_lib_error_set_handler(quietAlsa); });
    m_worker = std::thread([this] { run(); });
}

AlsaSound::~AlsaSound()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_queue.clear();
        m_queuedMs = 0;
    }
    m_wake.notify_all();
    m_worker.join();
}

void AlsaSound::beep(int hz, int ms)
{
    if (hz <= 0 || ms <= 0)
        return;
    {
        std::lock_guard lock(m_mutex);
        if (m_stop || m_queuedMs + std::int64_t(ms) > kMaxQueuedMs)
            return;
        m_queue.push_back({hz, ms});
        m_queuedMs += ms;
    }
    m_wake.notify_one();
}

void AlsaSound::waitIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_stop || (m_queue.empty() && !m_busy); });
}

int AlsaSound::failedOpens() const
{
    std::lock_guard lock(m_mutex);
    return m_failedOpens;
}

void AlsaSound::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
        if (m_stop)
            break;
        m_busy = true;
        playQueued(lock);
        m_busy = false;
        if (m_queue.empty())
            m_idle.notify_all();
    }
    m_idle.notify_all();
}

// Called with the lock held; returns with it held. The device is opened for
// each run of queued tones and closed after it, so the panel holds no sound
// device while it is silent.
void AlsaSound::playQueued(std::unique_lock<std::mutex> &lock)
{
    lock.unlock();
    snd_pcm_t *pcm = nullptr;
    // Opened without waiting for a device another program holds; played with
    // blocking writes, which hold up only this thread.
    int err = snd_pcm_open(&pcm, m_device.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    if (err >= 0)
        err = snd_pcm_nonblock(pcm, 0);
    if (err >= 0)
        err = snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kSampleRate, 1,
                                 kLatencyUs);
    lock.lock();
    if (err < 0) {
        if (pcm)
            snd_pcm_close(pcm);
        ++m_failedOpens;
        m_queue.clear();
        m_queuedMs = 0;
        return;
    }
    while (!m_stop && !m_queue.empty()) {
        const Tone tone = m_queue.front();
        m_queue.pop_front();
        m_queuedMs -= tone.ms;
        lock.unlock();
        const std::vector<std::int16_t> samples = toneSamples(tone.hz, tone.ms, kSampleRate);
        const std::int16_t *next = samples.data();
        std::size_t left = samples.size();
        while (left > 0 && !m_stop) {
            snd_pcm_sframes_t written =
                snd_pcm_writei(pcm, next, snd_pcm_uframes_t(std::min<std::size_t>(left, kChunkFrames)));
            if (written < 0)
                written = snd_pcm_recover(pcm, int(written), 1); // an underrun: carry on
            if (written < 0)
                break; // the device went away: this tone is lost
            next += written;
            left -= std::size_t(written);
        }
        lock.lock();
    }
    const bool stopping = m_stop;
    lock.unlock();
    if (stopping)
        snd_pcm_drop(pcm);
    else
        snd_pcm_drain(pcm);
    snd_pcm_close(pcm);
    lock.lock();
}
