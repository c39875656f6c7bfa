#include "platform/caption_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QTouchEvent>

namespace {
// The border of a coloured button: two pixels of this grey, lighter on the
// sides that face the light.
constexpr int kBorderPixels = 2;
const QColor kBorderColor(0xA0, 0xA0, 0xA0);
const QColor kDisabledCaption(0x80, 0x80, 0x80);
} // namespace

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setAttribute(Qt::WA_AcceptTouchEvents);
}

void CaptionButton::setBackColor(const QColor& color) {
    m_backColor = color;
    update();
}

bool CaptionButton::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
        auto* touch = static_cast<QTouchEvent*>(event);
        const QPointF pos =
            touch->points().isEmpty() ? QPointF() : touch->points().first().position();
        const bool begin = event->type() == QEvent::TouchBegin;
        QMouseEvent mouse(begin ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, pos,
                          mapToGlobal(pos), Qt::LeftButton, begin ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        if (event->type() == QEvent::TouchCancel)
            setDown(false);
        begin ? mousePressEvent(&mouse) : mouseReleaseEvent(&mouse);
        event->accept();
        return true;
    }
    case QEvent::TouchUpdate:
        event->accept();
        return true;
    default:
        return QPushButton::event(event);
    }
}

void CaptionButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (m_backColor.isValid()) {
        painter.fillRect(rect(), m_backColor);
        paintBevel(painter);
        painter.setPen(isEnabled() ? QColor(Qt::black) : kDisabledCaption);
    } else {
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
    }
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWrapAnywhere, text());
}

// Four mitred edges, smoothed where they meet, drawn in the order that gives
// the corners their blend: the shadowed sides first.
void CaptionButton::paintBevel(QPainter& painter) const {
    const qreal w = width();
    const qreal h = height();
    const qreal b = kBorderPixels;
    const QPolygonF top({{0, 0}, {b, b}, {w - b, b}, {w, 0}});
    const QPolygonF left({{0, 0}, {b, b}, {b, h - b}, {0, h}});
    const QPolygonF bottom({{0, h}, {b, h - b}, {w - b, h - b}, {w, h}});
    const QPolygonF right({{w, 0}, {w - b, b}, {w - b, h - b}, {w, h}});
    const QColor light = kBorderColor.lighter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isDown() ? light : kBorderColor);
    painter.drawConvexPolygon(right);
    painter.drawConvexPolygon(bottom);
    painter.setBrush(isDown() ? kBorderColor : light);
    painter.drawConvexPolygon(top);
    painter.drawConvexPolygon(left);
    painter.restore();
}
