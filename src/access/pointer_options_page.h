#pragma once

#include "window/options_page.h"

class PointerValueRow;
class QCheckBox;

// "ポインター": the dwell and touch filters of group [Pointer]. Every control
// is a button or a check box, so the page works with the dwell it sets.
class PointerOptionsPage final : public OptionsPage {
    Q_OBJECT
public:
    explicit PointerOptionsPage(QWidget* parent = nullptr);

    QString title() const override;
    void load(const SettingsStore& store) override;
    void save(SettingsStore& store) const override;

    QCheckBox* chkDwell;
    PointerValueRow* rowDwellMs;
    PointerValueRow* rowTolerance;
    PointerValueRow* rowDeadMs;
    PointerValueRow* rowHoldMs;
    QCheckBox* chkOnRelease;
    PointerValueRow* rowIgnoreRepeatMs;

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitToFont();
};
