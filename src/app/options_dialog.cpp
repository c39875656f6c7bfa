#include "app/options_dialog.h"

#include "platform/back_color.h"
#include "platform/colors.h"
#include "platform/settings_store.h"
#include "platform/twip_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
const FontStyle kFont{FontFace::PGothic, 15.75, true};
const FontStyle kButtonFont{FontFace::PGothic, 18, false};
constexpr quint32 kBack = 0xFFC0C0;

// The index of the first checked button, or -1 when none is.
template <size_t N> int checkedIndex(QRadioButton* const (&buttons)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (buttons[i]->isChecked())
            return int(i);
    return -1;
}
} // namespace

template <typename T> T* OptionsDialog::add(T* widget, const QString& name, const TwipRect& rect) {
    widget->setObjectName(name);
    m_layout->place(widget, rect);
    m_layout->setFont(widget, kFont);
    setBackColor(widget, bgrColor(kBack));
    return widget;
}

OptionsDialog::OptionsDialog(SettingsStore& store, double scale, QWidget* parent)
    : QDialog(parent)
    , m_store(store)
    , m_layout(new TwipLayout(this, {0, 0, 6990, 10725})) {
    setObjectName(QStringLiteral("frmOPT"));
    setWindowTitle(QStringLiteral("オプション"));
    setBackColor(this, bgrColor(kBack));
    m_layout->setScale(scale);
    setFixedSize(m_layout->designPixels(scale));

    auto frame = [this](const char* caption, const QString& name, const TwipRect& rect) {
        return add(new QGroupBox(QString::fromUtf8(caption), this), name, rect);
    };
    auto option = [this](QWidget* frame, const char* caption, const QString& name,
                         const TwipRect& rect) {
        return add(new QRadioButton(QString::fromUtf8(caption), frame), name, rect);
    };

    frmOPT1 = frame("１画面目の設定", QStringLiteral("frmOPT1"), {480, 120, 6135, 2055});
    Option1[2] = option(frmOPT1, "１回クリックで文字入力", QStringLiteral("Option1(2)"),
                        {360, 315, 5655, 315});
    Option1[3] = option(frmOPT1, "２回クリックで文字入力", QStringLiteral("Option1(3)"),
                        {360, 750, 5655, 315});
    Option1[0] = option(frmOPT1, "１回クリックで文字選択画面へ", QStringLiteral("Option1(0)"),
                        {360, 1170, 5655, 315});
    Option1[1] = option(frmOPT1, "２回クリックで文字選択画面へ", QStringLiteral("Option1(1)"),
                        {360, 1605, 5655, 315});

    frmOPT2 =
        frame("文字選択画面の設定（拡大画面）", QStringLiteral("frmOPT2"), {480, 2280, 6135, 1215});
    Option2[0] = option(frmOPT2, "１回クリックで文字入力", QStringLiteral("Option2(0)"),
                        {360, 360, 5535, 315});
    Option2[1] = option(frmOPT2, "２回クリックで文字入力", QStringLiteral("Option2(1)"),
                        {360, 765, 5535, 315});

    frmVoice = frame("声の設定", QStringLiteral("frmVoice"), {480, 3600, 6135, 2295});
    Option3[0] =
        option(frmVoice, "毎回声を出す", QStringLiteral("Option3(0)"), {360, 360, 5535, 360});
    Option3[1] = option(frmVoice, "文字選択での時に声を出す　（毎回）",
                        QStringLiteral("Option3(1)"), {360, 840, 5535, 360});
    Option3[2] = option(frmVoice, "文字入力の時に声を出す　　（最後）",
                        QStringLiteral("Option3(2)"), {360, 1320, 5535, 360});
    Option3[3] =
        option(frmVoice, "声を出さない", QStringLiteral("Option3(3)"), {360, 1800, 5535, 360});

    frmSample = frame("例文の設定", QStringLiteral("frmSample"), {480, 6000, 6135, 1575});
    chkSamp = add(new QCheckBox(QStringLiteral("例文を自動で表示する。"), frmSample),
                  QStringLiteral("chkSamp"), {360, 360, 4845, 360});
    cmbSample = add(new QComboBox(frmSample), QStringLiteral("cmbSample"), {360, 900, 615, 435});
    cmbSample->addItems({QStringLiteral("１"), QStringLiteral("２"), QStringLiteral("３"),
                         QStringLiteral("４"), QStringLiteral("５")});
    lblSample = add(new QLabel(QStringLiteral("文字で例文を表示する。"), frmSample),
                    QStringLiteral("lblSample"), {1140, 960, 3315, 375});

    chkMaxC = add(new QCheckBox(QStringLiteral("濁点表示文字"), this), QStringLiteral("chkMaxC"),
                  {780, 7680, 5475, 375});
    chkBeep = add(new QCheckBox(QStringLiteral("キー確認音を出す。"), this),
                  QStringLiteral("chkBeep"), {780, 8205, 5505, 315});
    chkMoji = add(new QCheckBox(QStringLiteral("文字を拡大する。"), this),
                  QStringLiteral("chkMoji"), {780, 8655, 5505, 315});

    const char* const captions[2] = {"キャンセル", "確定"};
    const TwipRect rects[2] = {{780, 9240, 2475, 615}, {3660, 9240, 2475, 615}};
    for (int i = 0; i < 2; ++i) {
        cmdOK[i] = add(new QPushButton(QString::fromUtf8(captions[i]), this),
                       QStringLiteral("cmdOK(%1)").arg(i), rects[i]);
        cmdOK[i]->setAutoDefault(false);
        m_layout->setFont(cmdOK[i], kButtonFont);
        connect(cmdOK[i], &QPushButton::clicked, this, [this, i] { cmdOK_Click(i); });
    }
    cmdMore = add(new QPushButton(QStringLiteral("詳細設定"), this), QStringLiteral("cmdMore"),
                  {780, 9960, 5355, 615});
    cmdMore->setAutoDefault(false);
    m_layout->setFont(cmdMore, kButtonFont);
    connect(cmdMore, &QPushButton::clicked, this, &OptionsDialog::extendedOptionsWanted);
}

void OptionsDialog::load(const Settings& settings) {
    Option1[qBound(0, settings.opt1, 3)]->setChecked(true);
    Option2[qBound(0, settings.opt2, 1)]->setChecked(true);
    Option3[qBound(0, settings.opt3, 3)]->setChecked(true);
    chkBeep->setChecked(settings.beep == 1);
    chkMoji->setChecked(settings.moji == 1);
    chkSamp->setChecked(settings.samp != 0);
    chkMaxC->setChecked(settings.gMaxC != 9);
    cmbSample->setCurrentIndex(qBound(0, settings.sample - 1, 4));
}

void OptionsDialog::cmdOK_Click(int index) {
    if (index == 1) {
        confirm();
        accept();
    } else {
        reject();
    }
}

// Writes every key in this order, as the decimal text of its value.
void OptionsDialog::confirm() {
    using namespace settings_keys;
    auto write = [this](const QString& key, int value) {
        m_store.setValue(key, QString::number(value));
    };
    if (const int i = checkedIndex(Option1); i >= 0)
        write(kOpt1, i);
    if (const int i = checkedIndex(Option2); i >= 0)
        write(kOpt2, i);
    if (const int i = checkedIndex(Option3); i >= 0)
        write(kOpt3, i);
    write(kSamp, chkSamp->isChecked() ? 1 : 0);
    write(kSample, cmbSample->currentIndex() + 1);
    write(kBeep, chkBeep->isChecked() ? 1 : 0);
    write(kMoji, chkMoji->isChecked() ? 1 : 0);
    write(kGMaxC, chkMaxC->isChecked() ? 14 : 9);
}
