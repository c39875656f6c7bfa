#include "access/dwell_rule.h"

#include "access/access_clock.h"

DwellRule::DwellRule(AccessClock& clock, Selected selected)
    : m_clock(clock)
    , m_timer(clock.makeTimer())
    , m_selected(std::move(selected)) {
    m_timer->setCallback([this] { finish(); });
}

DwellRule::~DwellRule() = default;

void DwellRule::setSettings(const PointerSettings& settings) {
    m_settings = settings;
    m_target = {};
    m_spent = {};
    m_mustMove = false;
    m_deadUntil = 0;
    stop();
}

int DwellRule::duration() const {
    return m_hardToUndo ? 2 * m_settings.dwellMs : m_settings.dwellMs;
}

bool DwellRule::beyondTolerance(const QPoint& a, const QPoint& b) const {
    const QPoint d = a - b;
    const qint64 squared = qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
    return squared > qint64(m_settings.tolerance) * m_settings.tolerance;
}

void DwellRule::pointerAt(const PointerKey& target, const QPoint& pos, const QRect& area,
                          bool hardToUndo) {
    m_pointer = pos;
    const bool movedOn = m_mustMove && beyondTolerance(pos, m_restPoint);
    if (movedOn)
        m_mustMove = false;
    // Leaving the place of the selected target frees it: a target that only
    // went out of use for a moment (the board while a tap's voice plays) is
    // not left by that.
    const bool leftSpent = m_spent.isValid() && !m_spentArea.contains(pos);
    if (leftSpent)
        m_spent = {};
    if (target != m_target) {
        m_target = target;
        m_area = area;
        m_hardToUndo = hardToUndo;
        restart(pos);
    } else if (movedOn || leftSpent || beyondTolerance(pos, m_anchor)) {
        m_area = area;
        restart(pos);
    }
}

void DwellRule::pointerGone() {
    m_target = {};
    m_spent = {};
    stop();
}

void DwellRule::boardChanged() {
    m_deadUntil = m_clock.now() + m_settings.deadMs;
    if (m_running)
        restart(m_anchor);
}

void DwellRule::selectedElsewhere() {
    if (!m_target.isValid())
        return;
    spend();
    stop();
}

void DwellRule::spend() {
    m_spent = m_target;
    m_spentArea = m_area;
    m_mustMove = true;
    m_restPoint = m_pointer;
}

void DwellRule::restart(const QPoint& anchor) {
    m_anchor = anchor;
    m_timer->stop();
    m_running = m_target.isValid() && m_target != m_spent && !m_mustMove;
    if (m_running) {
        const qint64 now = m_clock.now();
        m_start = qMax(now, m_deadUntil);
        m_timer->start(int(m_start - now) + duration());
    }
    notify();
}

void DwellRule::stop() {
    const bool was = m_running;
    m_running = false;
    m_timer->stop();
    if (was)
        notify();
}

// The state is complete before the selection runs: selecting may open a
// dialog whose event loop feeds this rule again.
void DwellRule::finish() {
    if (!m_running)
        return;
    m_running = false;
    spend();
    const PointerKey target = m_target;
    notify();
    m_selected(target);
}

void DwellRule::notify() {
    if (m_changed)
        m_changed();
}
