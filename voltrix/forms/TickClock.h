#pragma once
// One clock for the main window's five timers. Each TickTimer ticks at 64 a
// second from the moment it is started, on a schedule read against a
// monotonic time source rather than by chaining short timers, so ticks neither
// drift nor pile up; the clock wakes once for whichever timer is due first.
// The time source is replaceable, so tests drive the timers without waiting.
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

#include "voltrix/core/TickSchedule.h"

namespace voltrix {

class TickTimer;

class TickClock : public QObject {
    Q_OBJECT
public:
    using TimeSource = std::function<Nanoseconds()>;

    explicit TickClock(QObject *parent = nullptr);
    ~TickClock() override;

    // Every clock created afterwards reads this source (a steady clock by
    // default; an empty function restores it).
    static void setTimeSource(TimeSource source);

    Nanoseconds now() const;
    // Runs every started timer's due ticks, then sleeps until the next one is
    // due. The wake-up calls it; tests with their own time source call it.
    void poll();

private:
    friend class TickTimer;
    void add(TickTimer *timer);
    void remove(TickTimer *timer);
    void sleepUntilNextTick();

    TimeSource source_;
    std::vector<TickTimer *> timers_;
    QTimer wake_;
};

// Started and stopped like a QTimer; timeout() is one tick.
class TickTimer : public QObject {
    Q_OBJECT
public:
    explicit TickTimer(TickClock &clock, QObject *parent = nullptr);
    ~TickTimer() override;

    void start();
    void stop();
    bool isActive() const { return active_; }

signals:
    void timeout();

private:
    friend class TickClock;
    QPointer<TickClock> clock_; // null once the clock is gone

    TickSchedule schedule_;
    bool active_ = false;
};

} // namespace voltrix
