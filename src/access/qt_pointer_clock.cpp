#include "access/qt_pointer_clock.h"

#include "access/qt_pointer_timer.h"

QtPointerClock::QtPointerClock() {
    m_elapsed.start();
}

qint64 QtPointerClock::now() const {
    return m_elapsed.elapsed();
}

std::unique_ptr<PointerTimer> QtPointerClock::makeTimer() {
    return std::make_unique<QtPointerTimer>();
}
