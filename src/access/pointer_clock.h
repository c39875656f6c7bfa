#pragma once

#include "access/pointer_timer.h"

#include <QtGlobal>
#include <memory>

// The monotonic time the pointer's timing rules run on: the time now, in
// milliseconds, and one-shot timers on the same clock.
class PointerClock {
public:
    virtual ~PointerClock() = default;
    virtual qint64 now() const = 0;
    virtual std::unique_ptr<PointerTimer> makeTimer() = 0;
};
