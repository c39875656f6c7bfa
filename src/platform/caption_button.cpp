#include "platform/caption_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QTouchEvent>

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setAttribute(Qt::WA_AcceptTouchEvents);
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
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWrapAnywhere, text());
}
