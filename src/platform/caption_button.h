#pragma once

#include <QPushButton>

// A button whose caption wraps onto further lines when it is wider than the
// button, breaking anywhere (Japanese has no spaces): the narrow buttons beside
// the text panel and at the window's left edge show their captions one or two
// characters a line. A finger on a touch screen presses, holds and releases it
// as the mouse does. With a back colour it draws itself: the colour, a raised
// grey border that sinks while pressed, and a black caption, grey when the
// button is disabled.
class CaptionButton final : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

    void setBackColor(const QColor& color);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void paintBevel(QPainter& painter) const;

    QColor m_backColor;
};
