#include "voice/voice_options_page.h"

#include "window/voice_settings.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
template <size_t N> int checkedIndex(QRadioButton* const (&buttons)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (buttons[i]->isChecked())
            return int(i);
    return 0;
}
} // namespace

VoiceOptionsPage::VoiceOptionsPage(const QString& appDir, const QString& unavailableReason,
                                   QWidget* parent)
    : OptionsPage(parent)
    , m_appDir(appDir) {
    setObjectName(QStringLiteral("pageVoice"));
    auto* page = new QVBoxLayout(this);

    auto group = [this, page](const QString& caption, const QString& name,
                              const QString& buttonName, const QStringList& options,
                              QRadioButton** buttons) {
        auto* box = new QGroupBox(caption, this);
        box->setObjectName(name);
        auto* rows = new QHBoxLayout(box);
        for (int i = 0; i < options.size(); ++i) {
            buttons[i] = new QRadioButton(options[i], box);
            buttons[i]->setObjectName(QStringLiteral("%1(%2)").arg(buttonName).arg(i));
            rows->addWidget(buttons[i]);
        }
        page->addWidget(box);
    };
    group(QStringLiteral("読み方（「読む」）"), QStringLiteral("frmReadMode"),
          QStringLiteral("optRead"), {QStringLiteral("1文字ずつ"), QStringLiteral("文で読む")},
          optRead);
    group(QStringLiteral("文を話す速さ"), QStringLiteral("frmRate"), QStringLiteral("optRate"),
          {QStringLiteral("ゆっくり"), QStringLiteral("ふつう"), QStringLiteral("はやく")},
          optRate);

    auto* voiceBox = new QGroupBox(QStringLiteral("文を話す声"), this);
    voiceBox->setObjectName(QStringLiteral("frmVoiceFile"));
    auto* voiceRows = new QVBoxLayout(voiceBox);
    cmbVoice = new QComboBox(voiceBox);
    cmbVoice->setObjectName(QStringLiteral("cmbVoice"));
    voiceRows->addWidget(cmbVoice);
    page->addWidget(voiceBox);
    addVoice(voice_keys::kDebianVoice, QStringLiteral("標準の声（nitech-jp-atr503-m001）"));
    // Voices the user has put beside the program.
    const QFileInfoList files =
        QDir(appDir).entryInfoList({QStringLiteral("*.htsvoice")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files)
        addVoice(file.absoluteFilePath(), file.fileName());

    lblVoiceState = new QLabel(this);
    lblVoiceState->setObjectName(QStringLiteral("lblVoiceState"));
    lblVoiceState->setWordWrap(true);
    if (!unavailableReason.isEmpty())
        lblVoiceState->setText(QStringLiteral("いまは文で読めません。1文字ずつ読みます。\n") +
                               unavailableReason);
    page->addWidget(lblVoiceState);
    page->addStretch();
}

// Targets as tall as two lines of the font the dialog gives the page.
void VoiceOptionsPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        const int height = 2 * QFontMetrics(font()).height();
        for (QRadioButton* button : findChildren<QRadioButton*>())
            button->setMinimumHeight(height);
        cmbVoice->setMinimumHeight(height);
    }
    OptionsPage::changeEvent(event);
}

QString VoiceOptionsPage::title() const {
    return QStringLiteral("声");
}

void VoiceOptionsPage::addVoice(const QString& path, const QString& caption) {
    if (cmbVoice->findData(path) < 0)
        cmbVoice->addItem(caption, path);
}

void VoiceOptionsPage::load(const SettingsStore& store) {
    const VoiceSettings settings = readVoiceSettings(store, m_appDir);
    optRead[settings.read == VoiceSettings::Read::Sentences ? 1 : 0]->setChecked(true);
    optRate[int(settings.rate)]->setChecked(true);
    // A voice chosen before that lies elsewhere stays choosable.
    addVoice(settings.file, QFileInfo(settings.file).fileName());
    cmbVoice->setCurrentIndex(cmbVoice->findData(settings.file));
}

void VoiceOptionsPage::save(SettingsStore& store) const {
    VoiceSettings settings;
    settings.read = checkedIndex(optRead) == 1 ? VoiceSettings::Read::Sentences
                                               : VoiceSettings::Read::Characters;
    settings.rate = VoiceSettings::Rate(checkedIndex(optRate));
    settings.file = cmbVoice->currentData().toString();
    writeVoiceSettings(store, settings);
}
