#pragma once

#include "access/scan_timer.h"

#include <QElapsedTimer>
#include <QTimer>

// The scan's clock and alarm on the system's monotonic clock: a precise
// single-shot timer, so that the highlight moves on time and nothing runs
// while the scan waits.
class ScanSystemTimer final : public ScanTimer {
public:
    ScanSystemTimer();
    qint64 now() const override { return m_clock.elapsed(); }
    void start(qint64 dueMs) override;
    void stop() override { m_timer.stop(); }

private:
    QElapsedTimer m_clock;
    QTimer m_timer;
};
