#include "access/switch_click_input.h"

#include "access/target.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTouchEvent>
#include <QWidget>
#include <QWindow>

namespace {
// The control under the point: the first stop of a pointer event is the
// window, before the control that it goes to is known.
QWidget* widgetUnder(QObject* watched, const QPointF& global) {
    QWidget* window = qobject_cast<QWidget*>(watched);
    if (!window)
        if (auto* qwindow = qobject_cast<QWindow*>(watched))
            window = QWidget::find(qwindow->winId());
    if (!window)
        return QApplication::widgetAt(global.toPoint());
    window = window->window();
    QWidget* child = window->childAt(window->mapFromGlobal(global.toPoint()));
    return child ? child : window;
}
} // namespace

SwitchClickInput::SwitchClickInput(std::function<bool(QWidget*)> passThrough, QObject* parent)
    : SwitchSource(parent)
    , m_passThrough(std::move(passThrough)) {}

bool SwitchClickInput::eventFilter(QObject* watched, QEvent* event) {
    bool down = false;
    QPointF global;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || access::isActivation(event))
            return QObject::eventFilter(watched, event);
        down = event->type() != QEvent::MouseButtonRelease;
        global = mouse->globalPosition();
        break;
    }
    case QEvent::TouchBegin:
    case QEvent::TouchEnd: {
        const auto* touch = static_cast<QTouchEvent*>(event);
        if (touch->points().isEmpty())
            return QObject::eventFilter(watched, event);
        down = event->type() == QEvent::TouchBegin;
        global = touch->points().first().globalPosition();
        break;
    }
    case QEvent::TouchUpdate:
        // The rest of a touch taken as a switch press is taken too.
        if (!m_down)
            return QObject::eventFilter(watched, event);
        event->accept();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
    if (down && m_passThrough && m_passThrough(widgetUnder(watched, global)))
        return QObject::eventFilter(watched, event);
    if (!down && !m_down)
        return QObject::eventFilter(watched, event); // the end of a click that passed
    event->accept();
    if (down != m_down) {
        m_down = down;
        if (down)
            emit pressed(1);
        else
            emit released(1);
    }
    return true;
}
