#include "access/scan_options_page.h"

#include "access/scan_stepper.h"
#include "access/switch_key_button.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <cmath>

ScanOptionsPage::ScanOptionsPage(QWidget* parent)
    : OptionsPage(parent) {
    setObjectName(QStringLiteral("pageScan"));
    auto* grid = new QGridLayout(this);
    int row = 0;
    auto wide = [&](QWidget* widget, const QString& name) {
        widget->setObjectName(name);
        grid->addWidget(widget, row++, 0, 1, 2);
    };
    auto labelled = [&](const QString& caption, QWidget* widget, const QString& name) {
        widget->setObjectName(name);
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(widget, row++, 1);
    };

    chkScan = new QCheckBox(QStringLiteral("スイッチで操作する（スキャン）"), this);
    wide(chkScan, QStringLiteral("chkScan"));
    optSwitches[0] = new QRadioButton(QStringLiteral("スイッチ１つ（自動で進む）"), this);
    wide(optSwitches[0], QStringLiteral("optSwitches(0)"));
    optSwitches[1] = new QRadioButton(QStringLiteral("スイッチ２つ（２で進む、１で選ぶ）"), this);
    wide(optSwitches[1], QStringLiteral("optSwitches(1)"));

    const double minStep = ScanSettings::kMinStepMs / 1000.0;
    const double maxStep = ScanSettings::kMaxStepMs / 1000.0;
    const double maxQuiet = ScanSettings::kMaxQuietMs / 1000.0;
    stepTime = new ScanStepper(minStep, maxStep, 0.1, 1, QStringLiteral("秒"), this);
    labelled(QStringLiteral("スキャン時間"), stepTime, QStringLiteral("stepTime"));
    stepFirst = new ScanStepper(ScanSettings::kMinFirstFactor, ScanSettings::kMaxFirstFactor, 0.1,
                                1, QStringLiteral("倍"), this);
    labelled(QStringLiteral("最初の１歩"), stepFirst, QStringLiteral("stepFirst"));
    stepRounds = new ScanStepper(1, ScanSettings::kMaxRounds, 1, 0, QStringLiteral("回"), this);
    labelled(QStringLiteral("もどるまでの回数"), stepRounds, QStringLiteral("stepRounds"));
    stepAccept = new ScanStepper(0, maxQuiet, 0.1, 1, QStringLiteral("秒"), this);
    labelled(QStringLiteral("押す長さ（これより短いと無視）"), stepAccept,
             QStringLiteral("stepAccept"));
    stepRelease = new ScanStepper(0, maxQuiet, 0.1, 1, QStringLiteral("秒"), this);
    labelled(QStringLiteral("選んだあと休む時間"), stepRelease, QStringLiteral("stepRelease"));
    for (int i = 0; i < 2; ++i) {
        cmdKey[i] = new SwitchKeyButton(this);
        labelled(QStringLiteral("スイッチ%1のキー").arg(QChar(u'１' + i)), cmdKey[i],
                 QStringLiteral("cmdKey(%1)").arg(i));
        connect(cmdKey[i], &SwitchKeyButton::keyChosen, this,
                [this, i](int key) { keyChosen(i, key); });
    }
    chkClick = new QCheckBox(QStringLiteral("左クリックもスイッチ１にする"), this);
    wide(chkClick, QStringLiteral("chkClick"));
    chkCue = new QCheckBox(QStringLiteral("ハイライトした文字を声で読む"), this);
    wide(chkCue, QStringLiteral("chkCue"));
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
}

QString ScanOptionsPage::title() const {
    return QStringLiteral("スイッチ");
}

void ScanOptionsPage::load(const SettingsStore& store) {
    showSettings(readScanSettings(store));
}

void ScanOptionsPage::save(SettingsStore& store) const {
    writeScanSettings(store, settings());
}

void ScanOptionsPage::showSettings(const ScanSettings& s) {
    chkScan->setChecked(s.enabled);
    optSwitches[s.switches == 2 ? 1 : 0]->setChecked(true);
    stepTime->setValue(s.stepMs / 1000.0);
    stepFirst->setValue(s.firstFactor);
    stepRounds->setValue(s.rounds);
    stepAccept->setValue(s.acceptMs / 1000.0);
    stepRelease->setValue(s.releaseMs / 1000.0);
    m_keys[0] = s.key1;
    m_keys[1] = s.key2;
    cmdKey[0]->setKey(s.key1);
    cmdKey[1]->setKey(s.key2);
    chkClick->setChecked(s.click);
    chkCue->setChecked(s.cue);
}

ScanSettings ScanOptionsPage::settings() const {
    const auto ms = [](const ScanStepper* stepper) {
        return int(std::lround(stepper->value() * 1000));
    };
    ScanSettings s;
    s.enabled = chkScan->isChecked();
    s.switches = optSwitches[1]->isChecked() ? 2 : 1;
    s.stepMs = ms(stepTime);
    s.firstFactor = std::round(stepFirst->value() * 10) / 10;
    s.rounds = int(std::lround(stepRounds->value()));
    s.acceptMs = ms(stepAccept);
    s.releaseMs = ms(stepRelease);
    s.key1 = m_keys[0];
    s.key2 = m_keys[1];
    s.click = chkClick->isChecked();
    s.cue = chkCue->isChecked();
    return s;
}

void ScanOptionsPage::keyChosen(int index, int key) {
    const int other = 1 - index;
    if (m_keys[other] == key) {
        m_keys[other] = m_keys[index];
        cmdKey[other]->setKey(m_keys[other]);
    }
    m_keys[index] = key;
}
