#include "platform/twip_layout.h"

#include "platform/grid.h"

#include <QEvent>
#include <QWidget>

TwipLayout::TwipLayout(QWidget* window, TwipRect designSize)
    : QObject(window)
    , m_window(window)
    , m_design(designSize) {
    window->installEventFilter(this);
}

void TwipLayout::place(QWidget* widget, const TwipRect& rect) {
    Entry& entry = m_entries[widget];
    entry.widget = widget;
    entry.rect = rect;
    entry.hasRect = true;
    applyRect(entry);
}

TwipRect TwipLayout::rect(const QWidget* widget) const {
    return m_entries.value(widget).rect;
}

void TwipLayout::setHeight(QWidget* widget, int twips) {
    TwipRect r = rect(widget);
    r.height = twips;
    place(widget, r);
}

void TwipLayout::setFont(QWidget* widget, const FontStyle& font) {
    Entry& entry = m_entries[widget];
    entry.widget = widget;
    entry.font = font;
    entry.hasFont = true;
    applyFont(entry);
}

QSize TwipLayout::designPixels(double scale) const {
    return QSize(twipsToPixels(m_design.width, scale), twipsToPixels(m_design.height, scale));
}

void TwipLayout::fitTo(QSize client) {
    const QSize design = designPixels();
    const double scale =
        qMin(double(client.width()) / design.width(), double(client.height()) / design.height());
    const QSize used = designPixels(scale);
    const QPoint origin((client.width() - used.width()) / 2, (client.height() - used.height()) / 2);
    if (qFuzzyCompare(scale, m_scale) && origin == m_origin)
        return;
    m_scale = scale;
    m_origin = origin;
    applyAll();
}

void TwipLayout::setScale(double scale) {
    if (qFuzzyCompare(scale, m_scale))
        return;
    m_scale = scale;
    applyAll();
}

bool TwipLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::Resize)
        fitTo(m_window->size());
    return QObject::eventFilter(watched, event);
}

void TwipLayout::applyFont(const Entry& entry) const {
    if (entry.widget && entry.hasFont)
        entry.widget->setFont(makeFont(entry.font, m_scale));
}

void TwipLayout::applyRect(const Entry& entry) const {
    QWidget* widget = entry.widget;
    if (!widget)
        return;
    if (auto* grid = qobject_cast<Grid*>(widget))
        grid->setScale(m_scale);
    if (entry.hasRect) {
        QRect r = toPixels(entry.rect, m_scale);
        if (widget->parentWidget() == m_window)
            r.translate(m_origin);
        widget->setGeometry(r);
    }
}

void TwipLayout::applyAll() {
    for (const Entry& entry : std::as_const(m_entries)) {
        applyFont(entry);
        applyRect(entry);
    }
    emit scaleChanged(m_scale);
}
