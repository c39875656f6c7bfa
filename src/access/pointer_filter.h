#pragma once

#include "access/dwell_rule.h"
#include "access/pointer_mark.h"
#include "access/pointer_settings.h"
#include "access/target.h"
#include "access/touch_rule.h"

#include <QObject>
#include <QPoint>
#include <memory>
#include <vector>

class AccessClock;
class AccessTimer;
class QMouseEvent;
class QTouchEvent;
class QWindow;
struct TalkControls;

// The dwell and touch filters in front of every target of every window. It
// watches the pointer and the touches as they reach the program's windows,
// before any widget sees them:
// - with dwell on, a pointer resting on a target selects it (DwellRule);
// - with a touch filter on, the user's own presses and releases on targets
//   go no further; the selections that the filters let through
//   (TouchRule) reach the target as the program's own press and release,
//   which pass by every filter (access::isActivation), as a switch's do.
// Presses beside any target (the text panel) pass untouched. The filter
// stands in front of the targets only while one of its rules is on.
class PointerFilter final : public QObject {
    Q_OBJECT
public:
    explicit PointerFilter(AccessClock& clock, QObject* parent = nullptr);
    ~PointerFilter() override;

    void setSettings(const PointerSettings& settings);
    const PointerSettings& settings() const { return m_settings; }
    bool isInstalled() const { return m_installed; }

    // The main window's widgets whose showing or hiding changes the board
    // under the pointer: the selection panel and the lists. Any window that
    // opens or closes changes it too.
    void watchBoard(const TalkControls& c);

    const PointerMark& mark() const { return m_mark; }

    // How long a button selected without the user's own press shows its
    // press colours before it is released and acts. A cell keeps its press
    // colour after the release, and is released at once.
    static constexpr int kPressShowMs = 120;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Gesture { None, Mouse, Touch };

    bool mouseEvent(const QMouseEvent* event);
    bool touchEvent(const QTouchEvent* event);
    void windowLeft(const QWindow* window);
    void boardChanged();

    void dwellAt(const QPoint& global);
    void dwellEnded(const PointerKey& key);

    bool gestureDown(Gesture gesture, const QPoint& global);
    void gestureMove(const QPoint& global);
    void gestureUp(const QPoint& global);

    access::Target resolve(const PointerKey& key) const;
    void select(const access::Target& target);
    void pressTarget(const access::Target& target);
    void releaseTarget(const access::Target& target);
    void releaseNow();

    void updateMark();
    void recheck();
    void install(bool on);

    AccessClock& m_clock;
    PointerSettings m_settings;
    DwellRule m_dwell;
    TouchRule m_touch;
    PointerMark m_mark;
    std::unique_ptr<AccessTimer> m_releaseTimer;
    std::unique_ptr<AccessTimer> m_recheckTimer;
    std::vector<QPointer<QWidget>> m_board;
    bool m_installed = false;

    QPoint m_pointer; // the mouse pointer, on the screen
    bool m_pointerKnown = false;
    access::Target m_hover; // the target under it

    Gesture m_gesture = Gesture::None;
    access::Target m_gestureAt;      // under the finger or the pressed mouse
    access::Target m_pressed;        // the target of a press let through
    access::Target m_pendingRelease; // a selected button showing its press
};
