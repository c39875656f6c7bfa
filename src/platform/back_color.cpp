#include "platform/back_color.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace {
const char* const kProperty = "backColor";
}

void setBackColor(QWidget* widget, const QColor& color) {
    widget->setProperty(kProperty, color);
    const QString name = color.name();
    if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget)) {
        if (qobject_cast<QLabel*>(widget) || !widget->inherits("QPushButton")) {
            widget->setStyleSheet(QStringLiteral("background-color: %1; color: black;").arg(name));
            return;
        }
        widget->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                             " border: 2px outset #a0a0a0; }"
                                             " QPushButton:pressed { border-style: inset; }"
                                             " QPushButton:disabled { color: #808080; }")
                                  .arg(name));
        return;
    }
    QPalette palette = widget->palette();
    // A text box shows its back colour through its text area.
    palette.setColor(qobject_cast<QAbstractScrollArea*>(widget) ? QPalette::Base : QPalette::Window,
                     color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor backColor(const QWidget* widget) {
    return widget->property(kProperty).value<QColor>();
}
