#include "voltrix/forms/TickClock.h"

#include <algorithm>
#include <chrono>

namespace voltrix {

namespace {

TickClock::TimeSource &sharedSource()
{
    static TickClock::TimeSource source;
    return source;
}

Nanoseconds steadyNow()
{
    return std::chrono::duration_cast<Nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

} // namespace

TickClock::TickClock(QObject *parent)
    : QObject(parent)
    , source_(sharedSource() ? sharedSource() : TimeSource(&steadyNow))
{
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, &TickClock::poll);
}

TickClock::~TickClock() = default;

void TickClock::setTimeSource(TimeSource source) { sharedSource() = std::move(source); }

Nanoseconds TickClock::now() const { return source_(); }

void TickClock::add(TickTimer *timer)
{
    if (std::find(timers_.begin(), timers_.end(), timer) == timers_.end())
        timers_.push_back(timer);
    sleepUntilNextTick();
}

void TickClock::remove(TickTimer *timer)
{
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
    if (timers_.empty())
        wake_.stop();
}

void TickClock::poll()
{
    const Nanoseconds time = now();
    // A tick may stop or start timers (the animation button, a hidden
    // window): work on a copy and skip any stopped meanwhile.
    const std::vector<TickTimer *> started = timers_;
    for (TickTimer *timer : started) {
        if (std::find(timers_.begin(), timers_.end(), timer) == timers_.end())
            continue;
        for (int ticks = timer->schedule_.take(time); ticks > 0 && timer->isActive(); --ticks)
            emit timer->timeout();
    }
    sleepUntilNextTick();
}

void TickClock::sleepUntilNextTick()
{
    if (timers_.empty()) {
        wake_.stop();
        return;
    }
    Nanoseconds next = timers_.front()->schedule_.nextDue();
    for (const TickTimer *timer : timers_)
        next = std::min(next, timer->schedule_.nextDue());
    // Whole milliseconds, rounded up: waking early would find nothing due.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(std::max(next - now(), Nanoseconds{0}));
    wake_.start(wait);
}

TickTimer::TickTimer(TickClock &clock, QObject *parent)
    : QObject(parent)
    , clock_(&clock)
{}

TickTimer::~TickTimer()
{
    if (clock_)
        clock_->remove(this);
}

void TickTimer::start()
{
    if (!clock_)
        return;
    // Restarting counts from now, as a timer restarted by a new press does.
    schedule_.start(clock_->now());
    active_ = true;
    clock_->add(this);
}

void TickTimer::stop()
{
    active_ = false;
    if (clock_)
        clock_->remove(this);
}

} // namespace voltrix
