#include "access/switch_input.h"

#include <QKeyEvent>

SwitchInput::SwitchInput(int key1, int key2, QObject* parent)
    : SwitchSource(parent)
    , m_key1(key1)
    , m_key2(key2) {}

int SwitchInput::switchOf(int key) const {
    if (key == 0)
        return 0;
    return key == m_key1 ? 1 : key == m_key2 ? 2 : 0;
}

bool SwitchInput::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (m_suspended || (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
                        type != QEvent::ShortcutOverride))
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const int number = switchOf(key->key());
    if (number == 0)
        return QObject::eventFilter(watched, event);
    // Taken here, at its first stop (the window), so that no control sees it.
    key->accept();
    if (type == QEvent::ShortcutOverride || key->isAutoRepeat())
        return true;
    if (type == QEvent::KeyPress)
        emit pressed(number);
    else
        emit released(number);
    return true;
}
