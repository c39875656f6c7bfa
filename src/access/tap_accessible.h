#pragma once

#include <QAccessibleWidget>

// What assistive technology sees of a button or a label that acts on a tap:
// a push button named by its caption (the arrows by words: "→" is "右へ"),
// whose one action, "Press", is a tap on it, made after the call returns so
// that a dialog the tap opens does not hold the caller.
class TapAccessible final : public QAccessibleWidget {
public:
    explicit TapAccessible(QWidget* widget);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};
