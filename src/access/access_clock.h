#pragma once

#include "access/access_timer.h"

#include <QtGlobal>
#include <memory>

// The monotonic time the timing rules of scanning, dwell and the touch filters
// run on: the time now, in milliseconds, and one-shot timers on the same
// clock. Tests replace it with a clock they move by hand, so that every timing
// rule is checked without sleeping.
class AccessClock {
public:
    virtual ~AccessClock() = default;
    virtual qint64 now() const = 0;
    virtual std::unique_ptr<AccessTimer> makeTimer() = 0;
};
