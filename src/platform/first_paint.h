#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Runs an action once, when a widget's first painting (its children's
// included) is done: work that the window need not wait for starts then,
// rather than compete with the window's first appearance.
class FirstPaint final : public QObject {
public:
    FirstPaint(QWidget* widget, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_action;
};
