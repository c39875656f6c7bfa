#include "access/switch_key_button.h"

#include "access/scan_settings.h"

#include <QKeyEvent>

SwitchKeyButton::SwitchKeyButton(QWidget* parent)
    : QPushButton(parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &SwitchKeyButton::listen);
}

void SwitchKeyButton::setKey(int key) {
    m_key = key;
    m_listening = false;
    setText(scanKeyName(key));
}

void SwitchKeyButton::listen() {
    m_listening = true;
    setText(QStringLiteral("キーを押してください"));
    setFocus(Qt::OtherFocusReason);
}

// Taken before the button or the dialog could act on it (Space would press
// the button again, Tab move the focus, Escape close the dialog).
bool SwitchKeyButton::event(QEvent* event) {
    if (m_listening &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto* key = static_cast<QKeyEvent*>(event);
        key->accept();
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
            const int chosen = scanKeyFromName(scanKeyName(key->key()));
            if (chosen) {
                setKey(chosen);
                emit keyChosen(chosen);
            }
        }
        return true;
    }
    if (m_listening && event->type() == QEvent::FocusOut)
        setKey(m_key);
    return QPushButton::event(event);
}
