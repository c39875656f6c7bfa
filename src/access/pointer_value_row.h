#pragma once

#include "access/pointer_settings.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

// One number of the pointer options: its caption, "－", the value and "＋".
// Two big buttons step the value through its range, so that it can be set
// by a tap, a dwell or a switch alike (a spin box's arrows are too small a
// target). The buttons are named after the row: "<name>Down", "<name>Up".
class PointerValueRow final : public QWidget {
    Q_OBJECT
public:
    using Format = std::function<QString(int)>;

    PointerValueRow(const QString& name, const QString& caption, const PointerRange& range,
                    Format format, QWidget* parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);

    QLabel* lblCaption;
    QPushButton* cmdDown;
    QLabel* lblValue;
    QPushButton* cmdUp;

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitToFont();

    PointerRange m_range;
    Format m_format;
    int m_value = 0;
};
