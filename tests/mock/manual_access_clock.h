#pragma once

#include "access/access_clock.h"

#include <algorithm>
#include <vector>

// A pointer clock that stands still until a test moves it on. advance() fires
// every timer that falls due on the way, in the order of their times, with
// the clock showing each timer's own time as it fires.
class ManualAccessClock final : public AccessClock {
public:
    qint64 now() const override { return m_now; }

    std::unique_ptr<AccessTimer> makeTimer() override {
        auto timer = std::make_unique<Timer>(*this);
        m_timers.push_back(timer.get());
        return timer;
    }

    void advance(qint64 ms) {
        const qint64 end = m_now + ms;
        for (;;) {
            Timer* next = nextTimer();
            if (!next || next->m_due > end)
                break;
            m_now = std::max(m_now, next->m_due);
            next->m_active = false;
            next->fireNow();
        }
        m_now = end;
    }

    bool hasActiveTimer() const { return nextTimer() != nullptr; }
    // Moves on to the time of the next timer and fires it.
    void advanceToNextTimer() { advance(nextTimer()->m_due - m_now); }

private:
    class Timer final : public AccessTimer {
    public:
        explicit Timer(ManualAccessClock& clock)
            : m_clock(clock) {}
        ~Timer() override {
            auto& timers = m_clock.m_timers;
            timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
        }
        void start(int ms) override {
            m_due = m_clock.m_now + std::max(0, ms);
            m_active = true;
        }
        void stop() override { m_active = false; }
        bool isActive() const override { return m_active; }
        void fireNow() { fire(); }

        ManualAccessClock& m_clock;
        qint64 m_due = 0;
        bool m_active = false;
    };

    Timer* nextTimer() const {
        Timer* next = nullptr;
        for (Timer* timer : m_timers)
            if (timer->m_active && (!next || timer->m_due < next->m_due))
                next = timer;
        return next;
    }

    qint64 m_now = 0;
    std::vector<Timer*> m_timers;
};
