#include "access/tap_accessible.h"

#include "access/accessibility.h"

#include <QAbstractButton>
#include <QLabel>

TapAccessible::TapAccessible(QWidget* widget)
    : QAccessibleWidget(widget, QAccessible::Button) {}

QString TapAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget()))
        return access::spokenName(button->text());
    if (const auto* label = qobject_cast<const QLabel*>(widget()))
        return access::spokenName(label->text());
    return QString();
}

QStringList TapAccessible::actionNames() const {
    return {pressAction()};
}

void TapAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction())
        access::activateLater(widget());
}
