#pragma once

#include <QtGlobal>
#include <functional>

// The clock and the one timer that drive the scan: a monotonic time in
// milliseconds and a single alarm at an absolute time. Tests replace it with
// a clock that they move by hand, so that every timing rule is checked
// without sleeping.
class ScanTimer {
public:
    virtual ~ScanTimer() = default;
    virtual qint64 now() const = 0;
    // Rings once at dueMs (at once when that has passed), replacing any
    // earlier alarm.
    virtual void start(qint64 dueMs) = 0;
    virtual void stop() = 0;

    void setOnTimeout(std::function<void()> onTimeout) { m_onTimeout = std::move(onTimeout); }

protected:
    void ring() {
        if (m_onTimeout)
            m_onTimeout();
    }

private:
    std::function<void()> m_onTimeout;
};
