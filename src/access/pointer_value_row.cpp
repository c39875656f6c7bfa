#include "access/pointer_value_row.h"

#include "platform/back_color.h"
#include "platform/colors.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr quint32 kButtonColor = 0xFFC0C0;
}

PointerValueRow::PointerValueRow(const QString& name, const QString& caption,
                                 const PointerRange& range, Format format, QWidget* parent)
    : QWidget(parent)
    , m_range(range)
    , m_format(std::move(format)) {
    setObjectName(name);
    lblCaption = new QLabel(caption, this);
    cmdDown = new QPushButton(QStringLiteral("－"), this);
    lblValue = new QLabel(this);
    cmdUp = new QPushButton(QStringLiteral("＋"), this);
    cmdDown->setObjectName(name + QStringLiteral("Down"));
    cmdUp->setObjectName(name + QStringLiteral("Up"));
    lblValue->setObjectName(name + QStringLiteral("Value"));
    lblValue->setAlignment(Qt::AlignCenter);
    for (QPushButton* button : {cmdDown, cmdUp}) {
        button->setAutoDefault(false);
        setBackColor(button, bgrColor(kButtonColor));
    }
    connect(cmdDown, &QPushButton::clicked, this,
            [this] { setValue(m_range.stepped(m_value, -1)); });
    connect(cmdUp, &QPushButton::clicked, this, [this] { setValue(m_range.stepped(m_value, 1)); });

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(lblCaption, 1);
    row->addWidget(cmdDown);
    row->addWidget(lblValue);
    row->addWidget(cmdUp);
    setValue(range.min);
    fitToFont();
}

void PointerValueRow::setValue(int value) {
    m_value = m_range.bounded(value);
    lblValue->setText(m_format(m_value));
    cmdDown->setEnabled(m_range.stepped(m_value, -1) != m_value);
    cmdUp->setEnabled(m_range.stepped(m_value, 1) != m_value);
}

void PointerValueRow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        fitToFont();
    QWidget::changeEvent(event);
}

// Buttons as big as the dialog's own, in proportion to its scaled font. A
// button coloured by a style sheet takes no font from its parent: it is
// given the row's.
void PointerValueRow::fitToFont() {
    const int line = fontMetrics().height();
    for (QPushButton* button : {cmdDown, cmdUp}) {
        button->setFont(font());
        button->setFixedSize(line * 5 / 2, line * 2);
    }
    lblValue->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00.0 ドット")));
}
