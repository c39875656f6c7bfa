#include "access/target.h"

#include "platform/grid.h"
#include "platform/tappable.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>

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

// The scroll area whose cells this widget shows: a grid (the board, the
// selection panel, a list) or an item view (a drop-down list's items).
QAbstractScrollArea* viewOfViewport(QWidget* widget) {
    QWidget* parent = widget ? widget->parentWidget() : nullptr;
    QAbstractScrollArea* view = qobject_cast<Grid*>(parent);
    if (!view)
        view = qobject_cast<QAbstractItemView*>(parent);
    return view && view->viewport() == widget ? view : nullptr;
}

// The cell of a grid or item view at a point of its viewport.
QModelIndex indexAt(QAbstractScrollArea* view, const QPoint& pos) {
    if (auto* grid = qobject_cast<Grid*>(view))
        return grid->indexAt(pos);
    return static_cast<QAbstractItemView*>(view)->indexAt(pos);
}

// A cell's rectangle on its surface, as far as it shows: a cell of a grid,
// an item of a list (a drop-down list narrower than its items cuts them), a
// tab of a tab bar.
QRect cellRect(const Target& target) {
    if (auto* grid = qobject_cast<Grid*>(target.widget))
        return grid->cellRect(target.row, target.col) & grid->viewport()->rect();
    if (auto* view = qobject_cast<QAbstractItemView*>(target.widget))
        return view->visualRect(view->model()->index(target.row, target.col)) &
               view->viewport()->rect();
    if (auto* tabs = qobject_cast<QTabBar*>(target.widget))
        return tabs->tabRect(target.row);
    return {};
}

bool usable(const QWidget* widget) {
    return widget->isEnabled() && widget->isVisible();
}

// Where a tap acts: the centre of a cell; the centre of a check box's or an
// option button's box and caption, as a tap beside them does nothing; else
// the centre of the target.
QPoint tapPoint(const Target& target) {
    if (target.isCell())
        return cellRect(target).center();
    QWidget* widget = target.widget;
    const bool checkBox = qobject_cast<QCheckBox*>(widget);
    if (checkBox || qobject_cast<QRadioButton*>(widget)) {
        const auto* button = static_cast<QAbstractButton*>(widget);
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        return widget->style()
            ->subElementRect(checkBox ? QStyle::SE_CheckBoxClickRect
                                      : QStyle::SE_RadioButtonClickRect,
                             &option, widget)
            .center();
    }
    return widget->rect().center();
}

void send(const Target& target, QEvent::Type type) {
    QWidget* on = surface(target);
    if (!on)
        return;
    const QPoint local = tapPoint(target);
    const bool down = type == QEvent::MouseButtonPress;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, on->mapToGlobal(local), button,
                      down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier, activationDevice());
    QCoreApplication::sendEvent(on, &event);
}

} // namespace

Target targetAt(QWidget* widget, const QPoint& localPos) {
    QPoint pos = localPos;
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (!usable(w))
            return {};
        if (QAbstractScrollArea* view = viewOfViewport(w)) {
            const QModelIndex index = indexAt(view, pos);
            if (!index.isValid() || !usable(view) || !index.flags().testFlag(Qt::ItemIsEnabled))
                return {};
            return {view, index.row(), index.column()};
        }
        if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            const int tab = tabs->tabAt(pos);
            if (tab < 0 || !tabs->isTabEnabled(tab))
                return {};
            return {tabs, tab, 0};
        }
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || isTappable(w))
            return {w, -1, -1};
        if (w->isWindow())
            return {};
        pos = w->mapToParent(pos);
    }
    return {};
}

namespace {
// A tap reaches the open drop-down list alone (a tap beside it only closes
// it), else the modal dialog and the windows it opened, else every window.
bool reachable(const QWidget* widget) {
    const QWidget* window = widget->window();
    if (const QWidget* popup = QApplication::activePopupWidget())
        return window == popup;
    const QWidget* modal = QApplication::activeModalWidget();
    for (const QWidget* w = window; modal && w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
        if (w == modal)
            return true;
    return !modal;
}

// The window system's answer where it knows the stacking of the windows;
// otherwise (a platform without it) the shown window under the point, the
// drop-down lists, those kept on top and the modal ones first.
QWidget* widgetAt(const QPoint& globalPos) {
    if (QWidget* widget = QApplication::widgetAt(globalPos))
        return widget;
    QWidget* found = nullptr;
    int foundRank = -1;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->geometry().contains(globalPos))
            continue;
        const int rank = window->windowType() == Qt::Popup                          ? 3
                         : window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) ? 2
                         : window->isModal()                                        ? 1
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
    return widget && reachable(widget) ? targetAt(widget, widget->mapFromGlobal(globalPos))
                                       : Target{};
}

QWidget* surface(const Target& target) {
    if (!target.isValid())
        return nullptr;
    if (auto* grid = qobject_cast<Grid*>(target.widget))
        return grid->viewport();
    if (auto* view = qobject_cast<QAbstractItemView*>(target.widget))
        return view->viewport();
    return target.widget;
}

QRect globalRect(const Target& target) {
    QWidget* on = surface(target);
    if (!on)
        return {};
    const QRect local = target.isCell() ? cellRect(target) : on->rect();
    return QRect(on->mapToGlobal(local.topLeft()), local.size());
}

// The pointer comes to the target before it presses, as a finger or a mouse
// does: a drop-down list that has just opened takes a press and release on
// an item only from a pointer that has moved there.
void press(const Target& target) {
    send(target, QEvent::MouseMove);
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
