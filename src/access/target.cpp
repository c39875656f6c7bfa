#include "access/target.h"

#include "platform/grid.h"
#include "platform/tappable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QPointingDevice>

namespace access {

namespace {

// The device that the program's own taps come from, told apart from the
// mouse and the touch screen by the filters that sit in front of targets.
const QPointingDevice* activationDevice() {
    static const QPointingDevice device(
        QStringLiteral("talk activation"), 0x7a11, QInputDevice::DeviceType::Mouse,
        QPointingDevice::PointerType::Generic, QInputDevice::Capability::Position, 1, 3);
    return &device;
}

Grid* gridOfViewport(QWidget* widget) {
    return widget ? qobject_cast<Grid*>(widget->parentWidget()) : nullptr;
}

bool usable(const QWidget* widget) {
    return widget->isEnabled() && widget->isVisible();
}

void send(const Target& target, QEvent::Type type) {
    QWidget* on = surface(target);
    if (!on)
        return;
    const QPoint local =
        target.isCell()
            ? static_cast<Grid*>(target.widget.data())->cellRect(target.row, target.col).center()
            : on->rect().center();
    const bool down = type == QEvent::MouseButtonPress;
    QMouseEvent event(type, local, on->mapToGlobal(local), Qt::LeftButton,
                      down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier, activationDevice());
    QCoreApplication::sendEvent(on, &event);
}

} // namespace

Target targetAt(QWidget* widget, const QPoint& localPos) {
    QPoint pos = localPos;
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (!usable(w))
            return {};
        if (Grid* grid = gridOfViewport(w); grid && w == grid->viewport()) {
            const QModelIndex index = grid->indexAt(pos);
            if (!index.isValid() || !usable(grid))
                return {};
            return {grid, index.row(), index.column()};
        }
        if (qobject_cast<QAbstractButton*>(w) || isTappable(w))
            return {w, -1, -1};
        if (w->isWindow())
            return {};
        pos = w->mapToParent(pos);
    }
    return {};
}

namespace {
// The window system's answer where it knows the stacking of the windows;
// otherwise (a platform without it) the shown window under the point, those
// kept on top and the modal ones first.
QWidget* widgetAt(const QPoint& globalPos) {
    if (QWidget* widget = QApplication::widgetAt(globalPos))
        return widget;
    QWidget* found = nullptr;
    int foundRank = -1;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->geometry().contains(globalPos))
            continue;
        const int rank = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) ? 2
                         : window->isModal()                                      ? 1
                                                                                  : 0;
        if (rank > foundRank) {
            found = window;
            foundRank = rank;
        }
    }
    if (!found)
        return nullptr;
    QWidget* child = found->childAt(found->mapFromGlobal(globalPos));
    return child ? child : found;
}
} // namespace

Target targetAt(const QPoint& globalPos) {
    QWidget* widget = widgetAt(globalPos);
    return widget ? targetAt(widget, widget->mapFromGlobal(globalPos)) : Target{};
}

QWidget* surface(const Target& target) {
    if (!target.isValid())
        return nullptr;
    if (target.isCell())
        return static_cast<Grid*>(target.widget.data())->viewport();
    return target.widget;
}

QRect globalRect(const Target& target) {
    QWidget* on = surface(target);
    if (!on)
        return {};
    const QRect local =
        target.isCell() ? static_cast<Grid*>(target.widget.data())->cellRect(target.row, target.col)
                        : on->rect();
    return QRect(on->mapToGlobal(local.topLeft()), local.size());
}

void press(const Target& target) {
    send(target, QEvent::MouseButtonPress);
}

void release(const Target& target) {
    send(target, QEvent::MouseButtonRelease);
}

void activate(const Target& target) {
    // The press may close or hide the target (a panel cell that enters its
    // character): the release then goes nowhere, as a finger's would.
    const QPointer<QWidget> widget = target.widget;
    press(target);
    if (widget)
        release(target);
}

bool isActivation(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return static_cast<const QMouseEvent*>(event)->pointingDevice() == activationDevice();
    default:
        return false;
    }
}

} // namespace access
