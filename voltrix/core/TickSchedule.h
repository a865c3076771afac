#pragma once
// The pace of Voltrix's timers: ticks due at fixed times after a start, read
// against a monotonic clock, so a held button or a running animation gets the
// same number of ticks per second however late each wake-up comes. Tick k is
// due at start + k × period (the first one a whole period after the start, so
// a press shorter than a period does nothing). When the reader falls behind,
// the missed ticks come a few at a time; a backlog longer than a few ticks
// (the program was busy or suspended) is dropped rather than replayed in a
// burst.
#include <chrono>
#include <cstdint>

namespace voltrix {

using Nanoseconds = std::chrono::nanoseconds;

// 64 ticks a second, one every 15.625 ms: the pace at which the timers of the
// design were delivered, and which every per-tick rule assumes.
inline constexpr int kTicksPerSecond = 64;
inline constexpr Nanoseconds kTickPeriod{1'000'000'000 / kTicksPerSecond};

class TickSchedule {
public:
    // Ticks handed out by one take() at most, and the backlog kept.
    static constexpr int kMaxCatchUp = 3;
    static constexpr int kMaxBacklog = 8;

    explicit TickSchedule(Nanoseconds period = kTickPeriod)
        : period_(period)
    {}

    void start(Nanoseconds now);
    // The ticks due by `now` not yet taken, at most kMaxCatchUp.
    int take(Nanoseconds now);
    Nanoseconds nextDue() const;
    Nanoseconds period() const { return period_; }

private:
    Nanoseconds period_;
    Nanoseconds start_{0};
    std::int64_t taken_ = 0;
};

// How many animation steps each tick runs at a given speed: rate / 64 on
// average, with the remainder carried from tick to tick so no step is lost
// (15 or 16 steps a tick for 1000 a second).
class StepsPerTick {
public:
    explicit StepsPerTick(int stepsPerSecond = kTicksPerSecond)
        : rate_(stepsPerSecond)
    {}
    int next();
    void reset() { carried_ = 0; }
    int stepsPerSecond() const { return rate_; }

private:
    int rate_;
    int carried_ = 0;
};

} // namespace voltrix
