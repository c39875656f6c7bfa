#include "access/scan_system_timer.h"

#include <algorithm>

ScanSystemTimer::ScanSystemTimer() {
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { ring(); });
}

void ScanSystemTimer::start(qint64 dueMs) {
    m_timer.start(int(std::max<qint64>(0, dueMs - now())));
}
