#pragma once

#include "access/access_clock.h"

#include <QElapsedTimer>

// The monotonic clock of QElapsedTimer (a pause across midnight or a change
// of the system time moves nothing) with QTimer timers.
class QtAccessClock final : public AccessClock {
public:
    QtAccessClock();
    qint64 now() const override;
    std::unique_ptr<AccessTimer> makeTimer() override;

private:
    QElapsedTimer m_elapsed;
};
