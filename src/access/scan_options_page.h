#pragma once

#include "access/scan_settings.h"
#include "window/options_page.h"

class QCheckBox;
class QRadioButton;
class ScanStepper;
class SwitchKeyButton;

// "スイッチ": the page of the switch-scanning options in the extended
// options dialog. The switch keys are chosen by pressing them; a key chosen
// for one switch that the other one had passes the other one's key over to
// it, so the two never share a key.
class ScanOptionsPage final : public OptionsPage {
    Q_OBJECT
public:
    explicit ScanOptionsPage(QWidget* parent = nullptr);

    QString title() const override;
    void load(const SettingsStore& store) override;
    void save(SettingsStore& store) const override;

    ScanSettings settings() const;
    void showSettings(const ScanSettings& settings);

    QCheckBox* chkScan;
    QRadioButton* optSwitches[2];
    ScanStepper* stepTime;
    ScanStepper* stepFirst;
    ScanStepper* stepRounds;
    ScanStepper* stepAccept;
    ScanStepper* stepRelease;
    SwitchKeyButton* cmdKey[2];
    QCheckBox* chkClick;
    QCheckBox* chkCue;

private:
    void keyChosen(int index, int key);

    int m_keys[2] = {0, 0};
};
