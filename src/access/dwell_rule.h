#pragma once

#include "access/pointer_key.h"
#include "access/pointer_settings.h"

#include <QPoint>
#include <QRect>
#include <functional>
#include <memory>

class AccessClock;
class AccessTimer;

// Dwell: the pointer resting on a target for the dwell time selects it.
// - Movement within the tolerance of where the rest began keeps the time
//   running; movement beyond it, or onto another target, starts it again.
// - A target that was selected selects again only once the pointer has left
//   its place and come back.
// - After a selection the pointer must move beyond the tolerance before any
//   target selects: a pointer left at rest selects once, even when the board
//   changes under it (the selection panel opening where the board was, a
//   dialog opening over it), instead of typing on and on.
// - After the board changes no dwell ends before the dead time is over.
// - A hard-to-undo target takes twice the dwell time.
class DwellRule {
public:
    using Selected = std::function<void(const PointerKey&)>;

    DwellRule(AccessClock& clock, Selected selected);
    ~DwellRule();

    void setSettings(const PointerSettings& settings);
    // Called whenever a change may follow: a dwell starts or stops.
    void setChanged(std::function<void()> changed) { m_changed = std::move(changed); }

    // The pointer is at pos (screen coordinates) over target, whose place on
    // the screen is area, or over no target when target is invalid.
    void pointerAt(const PointerKey& target, const QPoint& pos, const QRect& area, bool hardToUndo);
    // The pointer left every window, or is pressing a button.
    void pointerGone();
    // The board under the pointer changed: the dead time begins.
    void boardChanged();
    // The target under the pointer was selected another way (a click).
    void selectedElsewhere();

    bool isRunning() const { return m_running; }
    const PointerKey& target() const { return m_target; }
    // When the running dwell began to count (later than now during the dead
    // time) and how long it lasts.
    qint64 startsAt() const { return m_start; }
    int duration() const;

private:
    void restart(const QPoint& anchor);
    void spend();
    void stop();
    void finish();
    bool beyondTolerance(const QPoint& a, const QPoint& b) const;
    void notify();

    AccessClock& m_clock;
    std::unique_ptr<AccessTimer> m_timer;
    Selected m_selected;
    std::function<void()> m_changed;
    PointerSettings m_settings;

    PointerKey m_target;
    QRect m_area;
    bool m_hardToUndo = false;
    QPoint m_anchor;    // where the current rest began
    QPoint m_pointer;   // where the pointer is
    PointerKey m_spent; // selected, and its place not left since
    QRect m_spentArea;
    bool m_mustMove = false; // a selection was made with the pointer at m_restPoint
    QPoint m_restPoint;
    qint64 m_deadUntil = 0;
    bool m_running = false;
    qint64 m_start = 0;
};
