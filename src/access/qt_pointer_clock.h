#pragma once

#include "access/pointer_clock.h"

#include <QElapsedTimer>

// The monotonic clock of QElapsedTimer (a pause across midnight or a change
// of the system time moves nothing) with QTimer timers.
class QtPointerClock final : public PointerClock {
public:
    QtPointerClock();
    qint64 now() const override;
    std::unique_ptr<PointerTimer> makeTimer() override;

private:
    QElapsedTimer m_elapsed;
};
