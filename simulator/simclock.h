#pragma once
// The simulator's time: simulated time runs at the simulation rate (256 =
// real time, 512 twice as fast, 0 stopped) from an injectable source, so
// tests need no waits. The time of day starts from the machine's local time,
// runs on simulated time and is re-based when the panel sets it; the
// aircraft model is stepped on the same simulated time.
#include <chrono>
#include <cstdint>
#include <functional>

class SimClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Source = std::function<TimePoint()>;

    static constexpr int kDay = 24 * 3600;
    static constexpr int kRealTime = 256;

    explicit SimClock(int secondsOfDay, Source now = {});

    int secondsOfDay() const; // 0..86399
    void set(int secondsOfDay); // any value; wrapped into one day

    // Rate x 256 as the simulation rate offset holds it; 0 or less stops
    // the time.
    void setRate(int rate256);
    int rate() const { return m_rate; }
    bool paused() const { return m_rate == 0; }

    // Simulated microseconds since the clock was made: never goes back,
    // whatever the time of day is set to.
    std::int64_t simulatedMicros() const;

    // The machine's local time of day.
    static int localSecondsOfDay();

private:
    TimePoint now() const;

    Source m_now;
    TimePoint m_anchor;             // real time of the last rate change
    std::int64_t m_anchorMicros = 0; // simulated time then
    std::int64_t m_dayOffsetMicros = 0; // time of day minus simulated time
    int m_rate = kRealTime;
};

// {hour, minute, second} of a time of day.
struct ClockBytes {
    std::uint8_t hour, minute, second;
};
constexpr ClockBytes clockBytes(int secondsOfDay)
{
    return {std::uint8_t(secondsOfDay / 3600), std::uint8_t(secondsOfDay / 60 % 60), std::uint8_t(secondsOfDay % 60)};
}
