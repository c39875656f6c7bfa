#pragma once

#include "access/scan_timer.h"

#include <algorithm>

// A scan clock moved by hand: advance() runs the alarms that fall due on the
// way, each at its own time, as the real timer would ring them.
class FakeScanTimer final : public ScanTimer {
public:
    qint64 now() const override { return m_now; }
    void start(qint64 dueMs) override {
        m_due = dueMs;
        m_armed = true;
    }
    void stop() override { m_armed = false; }

    bool isArmed() const { return m_armed; }
    qint64 due() const { return m_due; }

    void advance(qint64 ms) { advanceTo(m_now + ms); }
    void advanceTo(qint64 until) {
        while (m_armed && m_due <= until) {
            m_now = std::max(m_now, m_due);
            m_armed = false;
            ring();
        }
        m_now = until;
    }

private:
    qint64 m_now = 0;
    qint64 m_due = 0;
    bool m_armed = false;
};
