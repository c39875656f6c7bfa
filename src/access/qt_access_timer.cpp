#include "access/qt_access_timer.h"

QtAccessTimer::QtAccessTimer() {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { fire(); });
}

void QtAccessTimer::start(int ms) {
    m_timer.start(qMax(0, ms));
}

void QtAccessTimer::stop() {
    m_timer.stop();
}

bool QtAccessTimer::isActive() const {
    return m_timer.isActive();
}
