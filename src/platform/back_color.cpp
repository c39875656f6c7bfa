#include "platform/back_color.h"

#include "platform/caption_button.h"

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
    // A caption button draws its colour itself, which is much cheaper to set
    // up, and to change on every press, than a style sheet.
    if (auto* button = qobject_cast<CaptionButton*>(widget)) {
        button->setBackColor(color);
        return;
    }
    const QString name = color.name();
    if (qobject_cast<QAbstractButton*>(widget)) {
        if (!widget->inherits("QPushButton")) {
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
    // A text box shows its back colour through its text area; a label writes
    // black on it.
    palette.setColor(qobject_cast<QAbstractScrollArea*>(widget) ? QPalette::Base : QPalette::Window,
                     color);
    if (qobject_cast<QLabel*>(widget))
        palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor backColor(const QWidget* widget) {
    return widget->property(kProperty).value<QColor>();
}
