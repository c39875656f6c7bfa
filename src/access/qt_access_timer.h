#pragma once

#include "access/access_timer.h"

#include <QTimer>

// A precise single-shot QTimer: a dwell of 300 ms ends within a millisecond
// of its time, not within the 5 % a coarse timer allows.
class QtAccessTimer final : public AccessTimer {
public:
    QtAccessTimer();
    void start(int ms) override;
    void stop() override;
    bool isActive() const override;

private:
    QTimer m_timer;
};
