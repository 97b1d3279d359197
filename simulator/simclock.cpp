#include "simclock.h"

#include <ctime>

namespace {

constexpr std::int64_t kMicrosPerSecond = 1000000;

int wrapDay(std::int64_t seconds)
{
    const std::int64_t r = seconds % SimClock::kDay;
    return static_cast<int>(r < 0 ? r + SimClock::kDay : r);
}

// Floor division, so a time of day just before a whole second never rounds up.
std::int64_t floorSeconds(std::int64_t micros)
{
    return micros >= 0 ? micros / kMicrosPerSecond : -((-micros + kMicrosPerSecond - 1) / kMicrosPerSecond);
}

} // namespace

SimClock::SimClock(int secondsOfDay, Source now) : m_now(std::move(now))
{
    m_anchor = this->now();
    m_dayOffsetMicros = std::int64_t(wrapDay(secondsOfDay)) * kMicrosPerSecond;
}

SimClock::TimePoint SimClock::now() const { return m_now ? m_now() : std::chrono::steady_clock::now(); }

std::int64_t SimClock::simulatedMicros() const
{
    const auto real = std::chrono::duration_cast<std::chrono::microseconds>(now() - m_anchor).count();
    // Rates stay below 2^15 and a run below centuries: no overflow in 64 bits.
    return m_anchorMicros + (real > 0 ? real : 0) * m_rate / kRealTime;
}

int SimClock::secondsOfDay() const { return wrapDay(floorSeconds(m_dayOffsetMicros + simulatedMicros())); }

void SimClock::set(int secondsOfDay)
{
    m_dayOffsetMicros = std::int64_t(wrapDay(secondsOfDay)) * kMicrosPerSecond - simulatedMicros();
}

void SimClock::setRate(int rate256)
{
    const int rate = rate256 > 0 ? rate256 : 0;
    if (rate == m_rate)
        return;
    // The time reached so far stays; only what follows runs at the new rate.
    const std::int64_t reached = simulatedMicros();
    const int secondsNow = this->secondsOfDay();
    m_anchor = now();
    m_anchorMicros = reached;
    m_rate = rate;
    // Stopping or starting lands on the whole second shown, as a set would.
    set(secondsNow);
}

int SimClock::localSecondsOfDay()
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}
