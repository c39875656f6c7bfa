#include "access/qt_pointer_timer.h"

QtPointerTimer::QtPointerTimer() {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { fire(); });
}

void QtPointerTimer::start(int ms) {
    m_timer.start(qMax(0, ms));
}

void QtPointerTimer::stop() {
    m_timer.stop();
}

bool QtPointerTimer::isActive() const {
    return m_timer.isActive();
}
