#include "platform/first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

FirstPaint::FirstPaint(QWidget* widget, std::function<void()> action)
    : QObject(widget)
    , m_action(std::move(action)) {
    widget->installEventFilter(this);
}

// The window's own paint event comes first; its children are painted in the
// same pass, so the action is queued behind it.
bool FirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { m_action(); });
    }
    return false;
}
