#pragma once

#include "platform/one_shot_timer.h"

#include <QTimer>

// A single-shot QTimer on the monotonic clock.
class QtOneShotTimer final : public OneShotTimer {
    Q_OBJECT
public:
    explicit QtOneShotTimer(QObject* parent = nullptr);
    void start(int milliseconds) override;
    void stop() override;

private:
    QTimer m_timer;
};
