#pragma once

#include <QPushButton>

// A button whose caption wraps onto further lines when it is wider than the
// button, breaking anywhere (Japanese has no spaces): the narrow buttons beside
// the text panel and at the window's left edge show their captions one or two
// characters a line.
class CaptionButton final : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
