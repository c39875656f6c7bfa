#include "access/pointer_mark_view.h"

#include <QPainter>
#include <QPolygon>

namespace {
constexpr QColor kDark(0, 0, 0);
constexpr QColor kLight(255, 255, 255);
// The hatch: a light veil lifts dark colours, dark bands darken light ones.
constexpr QColor kVeil(255, 255, 255, 96);
constexpr QColor kBand(0, 0, 0, 128);

int lineWidth(const QSize& size) {
    return qMax(2, qMin(size.width(), size.height()) / 24);
}

int fillHeight(const QRect& rect, double progress) {
    return qRound(rect.height() * qBound(0.0, progress, 1.0));
}

void frame(QPainter& painter, const QRect& rect, int width, const QColor& color) {
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), width), color);
    painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), color);
    painter.fillRect(QRect(rect.left(), rect.top(), width, rect.height()), color);
    painter.fillRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()), color);
}
} // namespace

PointerMarkView::PointerMarkView(QWidget* window)
    : QWidget(window) {
    setObjectName(QStringLiteral("pointerMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void PointerMarkView::setProgress(double progress) {
    const int before = fillHeight(rect(), m_progress);
    const int after = fillHeight(rect(), progress);
    m_progress = progress;
    if (before == after)
        return;
    // The band between the two fill lines, with the lines drawn on it.
    const int line = 2 * lineWidth(size());
    const int top = height() - qMax(before, after) - line;
    const int bottom = height() - qMin(before, after) + line;
    update(QRect(0, top, width(), bottom - top));
}

void PointerMarkView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paint(painter, rect(), m_progress);
}

void PointerMarkView::paint(QPainter& painter, const QRect& rect, double progress) {
    const int line = lineWidth(rect.size());
    frame(painter, rect, line, kDark);
    frame(painter, rect.adjusted(line, line, -line, -line), line, kLight);
    const int filled = fillHeight(rect, progress);
    if (filled <= 0)
        return;
    const QRect fill(rect.left(), rect.bottom() - filled + 1, rect.width(), filled);
    painter.save();
    painter.setClipRect(fill);
    painter.fillRect(fill, kVeil);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBand);
    // Bands slanting up to the right, as wide as the gaps between them.
    const int band = 3 * line;
    const int h = fill.height();
    for (int x = fill.left() - h; x < fill.right(); x += 2 * band)
        painter.drawPolygon(QPolygon({QPoint(x, fill.bottom() + 1), QPoint(x + band, fill.bottom() + 1),
                                      QPoint(x + band + h, fill.top()), QPoint(x + h, fill.top())}));
    painter.restore();
    // The fill's edge: a dark line under a light one.
    if (filled < rect.height()) {
        painter.fillRect(QRect(rect.left(), fill.top(), rect.width(), line), kDark);
        painter.fillRect(QRect(rect.left(), fill.top() - line, rect.width(), line), kLight);
    }
}
