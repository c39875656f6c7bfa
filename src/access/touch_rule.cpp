#include "access/touch_rule.h"

#include "access/access_clock.h"

TouchRule::TouchRule(AccessClock& clock, Actions actions)
    : m_clock(clock)
    , m_timer(clock.makeTimer())
    , m_actions(std::move(actions)) {
    m_timer->setCallback([this] { holdMet(); });
}

TouchRule::~TouchRule() = default;

void TouchRule::setSettings(const PointerSettings& settings) {
    m_settings = settings;
    m_repeats.setTime(settings.ignoreRepeatMs);
    m_timer->stop();
    m_phase = Phase::Idle;
    m_marked = {};
    m_pressed = {};
}

int TouchRule::holdDuration() const {
    return m_phase == Phase::Holding || m_phase == Phase::Sliding ? m_settings.holdMs : 0;
}

void TouchRule::down(const PointerKey& target) {
    const qint64 now = m_clock.now();
    m_downAt = now;
    m_holdStart = now;
    if (m_settings.onRelease) {
        m_phase = Phase::Sliding;
        m_marked = target;
        notify();
    } else if (m_settings.holdMs > 0) {
        m_phase = Phase::Holding;
        m_marked = target;
        m_timer->start(m_settings.holdMs);
        notify();
    } else {
        pressUnlessRepeat(target);
    }
}

// Holding, the finger that slips onto another target holds that one from
// now; sliding, the mark follows the finger.
void TouchRule::moveTo(const PointerKey& target) {
    if ((m_phase != Phase::Holding && m_phase != Phase::Sliding) || target == m_marked)
        return;
    m_marked = target;
    if (m_phase == Phase::Holding) {
        m_holdStart = m_clock.now();
        if (target.isValid())
            m_timer->start(m_settings.holdMs);
        else
            m_timer->stop();
    }
    notify();
}

void TouchRule::up(const PointerKey& target) {
    const Phase phase = m_phase;
    const PointerKey pressed = m_pressed;
    const qint64 now = m_clock.now();
    m_phase = Phase::Idle;
    m_timer->stop();
    m_marked = {};
    m_pressed = {};
    notify();
    if (phase == Phase::Pressed)
        m_actions.release(pressed);
    else if (phase == Phase::Sliding && target.isValid() && now - m_downAt >= m_settings.holdMs &&
             m_repeats.accepts(target, now))
        m_actions.select(target);
}

void TouchRule::cancel() {
    up({});
}

void TouchRule::holdMet() {
    if (m_phase == Phase::Holding && m_marked.isValid())
        pressUnlessRepeat(m_marked);
}

// The press passes on unless it repeats the last one too soon; the press is
// the last step, as it may open a dialog that feeds this rule again.
void TouchRule::pressUnlessRepeat(PointerKey pressed) {
    m_marked = {};
    if (m_repeats.accepts(pressed, m_clock.now())) {
        m_phase = Phase::Pressed;
        m_pressed = pressed;
    } else {
        m_phase = Phase::Ignored;
    }
    notify();
    if (m_phase == Phase::Pressed)
        m_actions.press(pressed);
}

void TouchRule::notify() {
    if (m_changed)
        m_changed();
}
