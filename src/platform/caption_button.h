#pragma once

#include <QPushButton>

// A button whose caption wraps onto further lines when it is wider than the
// button, breaking anywhere (Japanese has no spaces): the narrow buttons beside
// the text panel and at the window's left edge show their captions one or two
// characters a line. A finger on a touch screen presses, holds and releases it
// as the mouse does.
class CaptionButton final : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
