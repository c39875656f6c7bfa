#include "access/scan_stepper.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

ScanStepper::ScanStepper(double minimum, double maximum, double step, int decimals,
                         const QString& unit, QWidget* parent)
    : QWidget(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_step(step)
    , m_decimals(decimals)
    , m_unit(unit) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    minus = new QPushButton(QStringLiteral("－"), this);
    plus = new QPushButton(QStringLiteral("＋"), this);
    m_shown = new QLabel(this);
    m_shown->setAlignment(Qt::AlignCenter);
    for (QPushButton* button : {minus, plus}) {
        button->setAutoDefault(false);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    row->addWidget(minus);
    row->addWidget(m_shown, 1);
    row->addWidget(plus);
    connect(minus, &QPushButton::clicked, this, [this] { stepBy(-1); });
    connect(plus, &QPushButton::clicked, this, [this] { stepBy(1); });
    setValue(minimum);
}

void ScanStepper::setValue(double value) {
    const double snapped = m_minimum + std::round((value - m_minimum) / m_step) * m_step;
    m_value = std::clamp(snapped, m_minimum, m_maximum);
    m_shown->setText(QString::number(m_value, 'f', m_decimals) + QLatin1Char(' ') + m_unit);
    minus->setEnabled(m_value > m_minimum);
    plus->setEnabled(m_value < m_maximum);
}

void ScanStepper::stepBy(int steps) {
    setValue(m_value + steps * m_step);
}
