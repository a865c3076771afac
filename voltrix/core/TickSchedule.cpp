#include "voltrix/core/TickSchedule.h"

#include <algorithm>

namespace voltrix {

void TickSchedule::start(Nanoseconds now)
{
    start_ = now;
    taken_ = 0;
}

int TickSchedule::take(Nanoseconds now)
{
    if (now < start_)
        return 0;
    const std::int64_t due = (now - start_) / period_;
    std::int64_t behind = due - taken_;
    if (behind > kMaxBacklog) {
        taken_ = due - kMaxBacklog;
        behind = kMaxBacklog;
    }
    const int ticks = static_cast<int>(std::clamp<std::int64_t>(behind, 0, kMaxCatchUp));
    taken_ += ticks;
    return ticks;
}

Nanoseconds TickSchedule::nextDue() const { return start_ + period_ * (taken_ + 1); }

int StepsPerTick::next()
{
    carried_ += rate_;
    const int steps = carried_ / kTicksPerSecond;
    carried_ -= steps * kTicksPerSecond;
    return steps;
}

} // namespace voltrix
