#include "access/pointer_mark_view.h"

#include <QPainter>
#include <QPolygon>
#include <utility>

namespace {
constexpr QColor kDark(0, 0, 0);
constexpr QColor kLight(255, 255, 255);
// The hatch: light bands show on dark colours, dark bands on light ones;
// both let the target's text read through.
constexpr QColor kBandDark(0, 0, 0, 150);
constexpr QColor kBandLight(255, 255, 255, 150);

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
    const int filled = fillHeight(rect, progress);
    if (filled > 0) {
        const QRect fill(rect.left(), rect.bottom() - filled + 1, rect.width(), filled);
        painter.save();
        painter.setClipRect(fill);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        // Pairs of a dark and a light band slanting up to the right, with
        // the target showing between the pairs.
        const int h = fill.height();
        for (int x = fill.left() - h; x < fill.right(); x += 4 * line) {
            for (const auto& [offset, colour] :
                 {std::pair{0, kBandDark}, std::pair{line, kBandLight}}) {
                const int left = x + offset;
                painter.setBrush(colour);
                painter.drawPolygon(QPolygon(
                    {QPoint(left, fill.bottom() + 1), QPoint(left + line, fill.bottom() + 1),
                     QPoint(left + line + h, fill.top()), QPoint(left + h, fill.top())}));
            }
        }
        painter.restore();
        // The fill's edge: a dark line under a light one.
        if (filled < rect.height()) {
            painter.fillRect(QRect(rect.left(), fill.top(), rect.width(), line), kDark);
            painter.fillRect(QRect(rect.left(), fill.top() - line, rect.width(), line), kLight);
        }
    }
    frame(painter, rect, line, kDark);
    frame(painter, rect.adjusted(line, line, -line, -line), line, kLight);
}
