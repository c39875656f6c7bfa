#pragma once

#include "window/options_page.h"

class QComboBox;
class QLabel;
class QRadioButton;

// The page "声" of the extended options: how "読む" reads (one character at a
// time or whole sentences), how fast sentences are spoken, and which voice
// speaks them: the one Debian installs or an .htsvoice file the user has put
// beside the program. While sentences cannot be spoken it says why.
class VoiceOptionsPage final : public OptionsPage {
    Q_OBJECT
public:
    // unavailableReason: why the synthesizer cannot speak now; empty when it can.
    VoiceOptionsPage(const QString& appDir, const QString& unavailableReason,
                     QWidget* parent = nullptr);

    QString title() const override;
    void load(const SettingsStore& store) override;
    void save(SettingsStore& store) const override;

    QRadioButton* optRead[2];
    QRadioButton* optRate[3];
    QComboBox* cmbVoice;
    QLabel* lblVoiceState;

protected:
    void changeEvent(QEvent* event) override;

private:
    void addVoice(const QString& path, const QString& caption);

    QString m_appDir;
};
