#pragma once

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QRegion>

class QWidget;

// The frame around the highlighted group or target: a thick black band with a
// yellow band inside it, drawn over the window's controls just inside the
// rectangle, so that it is never cut off at the window's edge. The frame is
// four opaque bars: moving it repaints the old and the new bars and nothing
// in between. It takes no input.
class ScanHighlight final {
public:
    ScanHighlight() = default;
    ~ScanHighlight();
    ScanHighlight(const ScanHighlight&) = delete;
    ScanHighlight& operator=(const ScanHighlight&) = delete;

    static constexpr QRgb kOuter = 0x000000;
    static constexpr QRgb kInner = 0xFFE600;
    // Thickness of the whole frame, half black and half yellow: 10 pixels at
    // the design scale, growing with the window.
    static int thickness(double scale);

    // Frames the rectangle (screen coordinates) on the window.
    void show(QWidget* window, const QRect& globalRect, double scale);
    void hide();

    // What the frame covers, in the coordinates of its window; empty while
    // hidden.
    QRegion region() const;
    QWidget* window() const;

private:
    void clear();

    QPointer<QWidget> m_bars[4];
};
