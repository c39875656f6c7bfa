#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// A number set with two big buttons, "－" and "＋", for a carer's finger:
// the value steps within its range and shows with its unit ("1.0 秒").
class ScanStepper final : public QWidget {
    Q_OBJECT
public:
    ScanStepper(double minimum, double maximum, double step, int decimals, const QString& unit,
                QWidget* parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);

    QPushButton* minus;
    QPushButton* plus;

private:
    void stepBy(int steps);

    double m_minimum;
    double m_maximum;
    double m_step;
    int m_decimals;
    QString m_unit;
    double m_value = 0;
    QLabel* m_shown;
};
