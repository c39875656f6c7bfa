#include "access/touch_repeat_guard.h"

void TouchRepeatGuard::setTime(int ms) {
    m_ms = ms;
    m_last = {};
}

bool TouchRepeatGuard::accepts(const PointerKey& target, qint64 now) {
    if (m_ms > 0 && target == m_last && now - m_lastAt < m_ms)
        return false;
    m_last = target;
    m_lastAt = now;
    return true;
}
