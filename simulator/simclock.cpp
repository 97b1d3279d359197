#include "simclock.h"

#include <ctime>

namespace {

int wrapDay(std::int64_t seconds)
{
    const std::int64_t r = seconds % SimClock::kDay;
    return static_cast<int>(r < 0 ? r + SimClock::kDay : r);
}

} // namespace

SimClock::SimClock(int secondsOfDay, Source now) : m_now(std::move(now))
{
    m_base = this->now();
    m_baseSeconds = wrapDay(secondsOfDay);
}

SimClock::TimePoint SimClock::now() const { return m_now ? m_now() : std::chrono::steady_clock::now(); }

int SimClock::secondsOfDay() const
{
    if (m_paused)
        return static_cast<int>(m_baseSeconds);
    const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(now() - m_base).count();
    return wrapDay(m_baseSeconds + elapsed);
}

void SimClock::set(int secondsOfDay)
{
    m_base = now();
    m_baseSeconds = wrapDay(secondsOfDay);
}

void SimClock::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    // Freezing keeps the time reached; resuming runs on from it.
    const int current = secondsOfDay();
    m_paused = paused;
    set(current);
}

int SimClock::localSecondsOfDay()
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}
