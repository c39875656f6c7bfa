#include "access/pointer_filter.h"

#include "access/access_clock.h"
#include "platform/grid.h"
#include "platform/hard_to_undo.h"
#include "text/edit_buttons.h"
#include "window/talk_controls.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QTouchEvent>
#include <QWindow>
#include <algorithm>

// A dwell on a caret button is one press and release: one step, released
// before the button starts to repeat.
static_assert(PointerFilter::kPressShowMs < EditButtons::kRepeatMilliseconds);

namespace {
PointerKey keyOf(const access::Target& target) {
    return {target.widget.data(), target.row, target.col};
}

bool hardToUndo(const access::Target& target) {
    return target.isValid() && !target.isCell() && isHardToUndo(target.widget);
}
} // namespace

PointerFilter::PointerFilter(AccessClock& clock, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_dwell(clock, [this](const PointerKey& key) { dwellEnded(key); })
    , m_touch(clock, {[this](const PointerKey& key) { pressTarget(resolve(key)); },
                      [this](const PointerKey& key) { releaseTarget(resolve(key)); },
                      [this](const PointerKey& key) { select(resolve(key)); }})
    , m_mark(clock)
    , m_releaseTimer(clock.makeTimer())
    , m_recheckTimer(clock.makeTimer()) {
    m_dwell.setChanged([this] { updateMark(); });
    m_touch.setChanged([this] { updateMark(); });
    m_releaseTimer->setCallback([this] { releaseNow(); });
    m_recheckTimer->setCallback([this] { recheck(); });
}

PointerFilter::~PointerFilter() {
    install(false);
}

void PointerFilter::setSettings(const PointerSettings& settings) {
    m_settings = settings;
    m_dwell.setSettings(settings);
    m_touch.setSettings(settings);
    m_gesture = Gesture::None;
    m_hover = {};
    m_pointerKnown = false;
    m_mark.hide();
    install(settings.anyOn());
}

void PointerFilter::watchBoard(const TalkControls& c) {
    for (QWidget* widget :
         std::initializer_list<QWidget*>{c.fraSet, c.grdSp, c.grdEx, c.grdDay, c.grdAD, c.grdMail})
        m_board.emplace_back(widget);
}

void PointerFilter::install(bool on) {
    if (on == m_installed)
        return;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
    m_installed = on;
}

// The user's input is taken where it reaches a window, before the window
// hands it to a widget; the program's own presses go to the widget directly.
bool PointerFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return watched->isWindowType() && !access::isActivation(event) &&
               mouseEvent(static_cast<const QMouseEvent*>(event));
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return watched->isWindowType() && touchEvent(static_cast<const QTouchEvent*>(event));
    case QEvent::Leave:
        if (watched->isWindowType())
            windowLeft(static_cast<QWindow*>(watched));
        return false;
    case QEvent::Show:
    case QEvent::Hide:
        if (watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            const bool window = widget->isWindow() && widget->windowType() != Qt::ToolTip;
            if (window || std::find(m_board.begin(), m_board.end(), widget) != m_board.end())
                boardChanged();
        }
        return false;
    case QEvent::EnabledChange:
        // A target under the resting pointer may have come back into use.
        if (m_settings.dwell && !m_recheckTimer->isActive())
            m_recheckTimer->start(0);
        return false;
    default:
        return false;
    }
}

bool PointerFilter::mouseEvent(const QMouseEvent* event) {
    // Touches come as touch events; the mouse events made from them are left
    // alone, and a finger never dwells.
    if (event->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen)
        return false;
    const QPoint global = event->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseMove:
        if (m_gesture == Gesture::Mouse)
            gestureMove(global);
        // A pointer that drags a pressed button is clicking, not dwelling.
        if (event->buttons() == Qt::NoButton)
            dwellAt(global);
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (event->button() != Qt::LeftButton)
            return false;
        // A click chooses the target under the pointer: its dwell is spent.
        if (m_settings.dwell)
            m_dwell.selectedElsewhere();
        return m_settings.touchFiltersOn() && gestureDown(Gesture::Mouse, global);
    case QEvent::MouseButtonRelease:
        if (event->button() != Qt::LeftButton || m_gesture != Gesture::Mouse)
            return false;
        gestureUp(global);
        return true;
    default:
        return false;
    }
}

bool PointerFilter::touchEvent(const QTouchEvent* event) {
    const QEvent::Type type = event->type();
    if (!m_settings.touchFiltersOn() || event->points().isEmpty())
        return false;
    const QPoint global = event->points().first().globalPosition().toPoint();
    switch (type) {
    case QEvent::TouchBegin:
        return gestureDown(Gesture::Touch, global);
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        if (m_gesture != Gesture::Touch)
            return false;
        if (type == QEvent::TouchUpdate) {
            gestureMove(global);
        } else if (type == QEvent::TouchEnd) {
            gestureUp(global);
        } else {
            m_gesture = Gesture::None;
            m_touch.cancel();
        }
        return true;
    default:
        return false;
    }
}

// Leaving the window of the target under the pointer leaves the target (a
// window behind a modal dialog reports no moves).
void PointerFilter::windowLeft(const QWindow* window) {
    QWidget* surface = access::surface(m_hover);
    if (!m_settings.dwell || !surface || surface->window()->windowHandle() != window)
        return;
    m_hover = {};
    m_pointerKnown = false;
    m_dwell.pointerGone();
}

// The target under a resting pointer changes without a move: it is looked
// up again once the change is complete.
void PointerFilter::boardChanged() {
    if (!m_settings.dwell)
        return;
    m_dwell.boardChanged();
    m_recheckTimer->start(0);
}

void PointerFilter::recheck() {
    if (m_pointerKnown && m_gesture == Gesture::None)
        dwellAt(m_pointer);
}

void PointerFilter::dwellAt(const QPoint& global) {
    if (!m_settings.dwell)
        return;
    m_pointer = global;
    m_pointerKnown = true;
    m_hover = access::targetAt(global);
    m_dwell.pointerAt(keyOf(m_hover), global, access::globalRect(m_hover), hardToUndo(m_hover));
}

// The target is selected if it still lies under the pointer; a board that
// changed without a move leaves another target there, which the pointer
// has not chosen.
void PointerFilter::dwellEnded(const PointerKey& key) {
    if (key != keyOf(m_hover))
        return;
    const access::Target target = m_hover;
    if (access::targetAt(m_pointer) != target) {
        dwellAt(m_pointer);
        return;
    }
    select(target);
}

// A press on a target is taken; one beside every target passes. A second
// finger, or the mouse beside a finger, is taken and ignored.
bool PointerFilter::gestureDown(Gesture gesture, const QPoint& global) {
    const access::Target target = access::targetAt(global);
    if (!target.isValid())
        return false;
    if (m_gesture != Gesture::None)
        return true;
    m_gesture = gesture;
    m_gestureAt = target;
    m_touch.down(keyOf(target));
    return true;
}

void PointerFilter::gestureMove(const QPoint& global) {
    m_gestureAt = access::targetAt(global);
    m_touch.moveTo(keyOf(m_gestureAt));
}

void PointerFilter::gestureUp(const QPoint& global) {
    m_gestureAt = access::targetAt(global);
    m_gesture = Gesture::None;
    m_touch.up(keyOf(m_gestureAt));
}

access::Target PointerFilter::resolve(const PointerKey& key) const {
    for (const access::Target* target : {&m_pressed, &m_gestureAt, &m_hover})
        if (keyOf(*target) == key)
            return *target;
    return {};
}

// A selection is a tap on the target. A button shows its press colours for a
// moment before it acts, as under a finger.
void PointerFilter::select(const access::Target& target) {
    releaseNow();
    if (!target.isValid())
        return;
    if (target.isCell()) {
        access::activate(target);
    } else {
        access::press(target);
        if (target.widget) {
            m_pendingRelease = target;
            m_releaseTimer->start(kPressShowMs);
        }
    }
    m_recheckTimer->start(0);
}

void PointerFilter::pressTarget(const access::Target& target) {
    releaseNow();
    m_pressed = target;
    access::press(target);
}

void PointerFilter::releaseTarget(const access::Target& target) {
    m_pressed = {};
    access::release(target);
    m_recheckTimer->start(0);
}

void PointerFilter::releaseNow() {
    if (!m_pendingRelease.isValid())
        return;
    const access::Target target = m_pendingRelease;
    m_pendingRelease = {};
    m_releaseTimer->stop();
    access::release(target);
}

// A press under way shows its hold; otherwise a running dwell shows.
void PointerFilter::updateMark() {
    if (m_gesture != Gesture::None) {
        const access::Target target = resolve(m_touch.marked());
        if (target.isValid())
            m_mark.show(target, m_touch.holdStart(), m_touch.holdDuration());
        else
            m_mark.hide();
    } else if (m_dwell.isRunning()) {
        m_mark.show(m_hover, m_dwell.startsAt(), m_dwell.duration());
    } else {
        m_mark.hide();
    }
}
