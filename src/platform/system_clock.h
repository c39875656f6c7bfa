#pragma once

#include "platform/clock.h"

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};
