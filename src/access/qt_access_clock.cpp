#include "access/qt_access_clock.h"

#include "access/qt_access_timer.h"

QtAccessClock::QtAccessClock() {
    m_elapsed.start();
}

qint64 QtAccessClock::now() const {
    return m_elapsed.elapsed();
}

std::unique_ptr<AccessTimer> QtAccessClock::makeTimer() {
    return std::make_unique<QtAccessTimer>();
}
