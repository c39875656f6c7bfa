#pragma once

#include <QDate>

// Today's date, replaceable in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};
