#include "platform/qt_one_shot_timer.h"

QtOneShotTimer::QtOneShotTimer(QObject* parent)
    : OneShotTimer(parent) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &OneShotTimer::timeout);
}

void QtOneShotTimer::start(int milliseconds) {
    m_timer.start(milliseconds);
}

void QtOneShotTimer::stop() {
    m_timer.stop();
}
