#pragma once
// The simulator's time of day: starts from the machine's local time, runs in
// real time, is re-based when the panel sets it, and stands still while the
// simulation is paused. The time source is injectable so tests need no waits.
#include <chrono>
#include <cstdint>
#include <functional>

class SimClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Source = std::function<TimePoint()>;

    static constexpr int kDay = 24 * 3600;

    explicit SimClock(int secondsOfDay, Source now = {});

    int secondsOfDay() const; // 0..86399
    void set(int secondsOfDay); // any value; wrapped into one day
    void setPaused(bool paused);
    bool paused() const { return m_paused; }

    // The machine's local time of day.
    static int localSecondsOfDay();

private:
    TimePoint now() const;

    Source m_now;
    TimePoint m_base;
    std::int64_t m_baseSeconds = 0;
    bool m_paused = false;
};

// {hour, minute, second} of a time of day.
struct ClockBytes {
    std::uint8_t hour, minute, second;
};
constexpr ClockBytes clockBytes(int secondsOfDay)
{
    return {std::uint8_t(secondsOfDay / 3600), std::uint8_t(secondsOfDay / 60 % 60), std::uint8_t(secondsOfDay % 60)};
}
