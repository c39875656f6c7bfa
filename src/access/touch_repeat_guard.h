#pragma once

#include "access/pointer_key.h"

#include <QtGlobal>

// Ignore repeats: a selection of the target selected last, within the time
// of that selection, is a repeat of it (a trembling hand pressing twice) and
// is ignored. The time runs from the selection that went through, so that a
// slow, deliberate second press always counts.
class TouchRepeatGuard {
public:
    // 0 lets every selection through.
    void setTime(int ms);
    // True when a selection of target at now goes through; it is then the
    // selection that later ones are measured from.
    bool accepts(const PointerKey& target, qint64 now);

private:
    int m_ms = 0;
    PointerKey m_last;
    qint64 m_lastAt = 0;
};
