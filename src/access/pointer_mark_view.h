#pragma once

#include <QWidget>

// The progress mark, laid over its target in the target's window: a frame
// round the target, and a hatched fill rising from its bottom edge as the
// time runs. Every line comes in black and white side by side and the hatch
// in dark and light bands, so the mark stands out on every back colour the
// program uses, light or dark; the bands are translucent, with gaps between
// them, so the target's text still reads through. Line widths follow the target's size, so the mark
// keeps its proportions at every scale. Mouse and touch pass through it.
class PointerMarkView final : public QWidget {
    Q_OBJECT
public:
    explicit PointerMarkView(QWidget* window);

    // Fraction of the time run, 0 to 1. Only the band of the fill that
    // changed is repainted.
    void setProgress(double progress);
    double progress() const { return m_progress; }

    // Paints the mark for a target filling rect.
    static void paint(QPainter& painter, const QRect& rect, double progress);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_progress = 0;
};
