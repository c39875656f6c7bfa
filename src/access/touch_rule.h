#pragma once

#include "access/pointer_key.h"
#include "access/pointer_settings.h"
#include "access/touch_repeat_guard.h"

#include <functional>
#include <memory>

class AccessClock;
class AccessTimer;

// The touch filters, for a finger and for the mouse button alike: one press
// from down to up on a target.
// - Hold to select: the press counts once it has rested on one target for
//   the hold time; a shorter press selects nothing. A button that repeats
//   while held starts repeating only then.
// - Select on release: the target under the finger when it lifts is
//   selected (with hold to select, if the press lasted the hold time), so a
//   finger may slide along a keyguard to its target.
// - Ignore repeats: a second selection of the same target within the time
//   is ignored.
// The rule says when to press, release or select (press and release at once)
// a target; without hold and select-on-release the press passes at once.
class TouchRule {
public:
    struct Actions {
        std::function<void(const PointerKey&)> press;
        std::function<void(const PointerKey&)> release;
        std::function<void(const PointerKey&)> select;
    };

    TouchRule(AccessClock& clock, Actions actions);
    ~TouchRule();

    void setSettings(const PointerSettings& settings);
    // Called whenever the marked target or its hold may have changed.
    void setChanged(std::function<void()> changed) { m_changed = std::move(changed); }

    void down(const PointerKey& target);
    void moveTo(const PointerKey& target);
    void up(const PointerKey& target);
    // The system took the touch away: nothing is selected; a press already
    // passed is released.
    void cancel();

    // The target the press would act on, shown to the user, with the start
    // and length of its hold (0: no hold runs).
    const PointerKey& marked() const { return m_marked; }
    qint64 holdStart() const { return m_holdStart; }
    int holdDuration() const;

private:
    enum class Phase { Idle, Holding, Pressed, Sliding, Ignored };

    void holdMet();
    void pressUnlessRepeat(PointerKey pressed); // a copy: it may be m_marked
    void notify();

    AccessClock& m_clock;
    std::unique_ptr<AccessTimer> m_timer;
    Actions m_actions;
    std::function<void()> m_changed;
    PointerSettings m_settings;
    TouchRepeatGuard m_repeats;

    Phase m_phase = Phase::Idle;
    PointerKey m_marked;  // held or slid over, not yet pressed
    PointerKey m_pressed; // the target of the press passed on
    qint64 m_downAt = 0;
    qint64 m_holdStart = 0;
};
