#pragma once

#include "platform/twips.h"
#include "window/settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class SettingsStore;
class TwipLayout;

// frmOPT: lets the user change the eight options. "確定" writes every key in
// a fixed order and closes with Accepted; "キャンセル" and the close box write
// nothing. One button below the specified controls, "詳細設定", asks for the
// extended options; the dialog is taller by that button's row.
class OptionsDialog final : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(SettingsStore& store, double scale = 1.0, QWidget* parent = nullptr);

    // Shows the options as read (Form_Load).
    void load(const Settings& settings);

    QGroupBox* frmOPT1;
    QGroupBox* frmOPT2;
    QGroupBox* frmVoice;
    QGroupBox* frmSample;
    QRadioButton* Option1[4];
    QRadioButton* Option2[2];
    QRadioButton* Option3[4];
    QCheckBox* chkSamp;
    QComboBox* cmbSample;
    QLabel* lblSample;
    QCheckBox* chkMaxC;
    QCheckBox* chkBeep;
    QCheckBox* chkMoji;
    QPushButton* cmdOK[2];
    QPushButton* cmdMore;

signals:
    void extendedOptionsWanted();

private:
    void cmdOK_Click(int index);
    void confirm();
    template <typename T> T* add(T* widget, const QString& name, const TwipRect& rect);

    SettingsStore& m_store;
    TwipLayout* m_layout;
};
