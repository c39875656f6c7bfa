#include "app/talk_window.h"

#include "access/accessibility.h"
#include "access/pointer_filter.h"
#include "access/pointer_options_page.h"
#include "access/pointer_settings.h"
#include "access/qt_access_clock.h"
#include "access/scan_controller.h"
#include "access/scan_options_page.h"
#include "app/extended_options_dialog.h"
#include "app/options_dialog.h"
#include "backup/backup_page.h"
#include "backup/folder_chooser.h"
#include "board/board_entry.h"
#include "board/set_board.h"
#include "lists/board_mode.h"
#include "lists/data_files.h"
#include "lists/entry_modes.h"
#include "lists/list_panel.h"
#include "lists/list_selection.h"
#include "lists/phrase_order_page.h"
#include "lists/phrase_registration.h"
#include "platform/back_color.h"
#include "platform/beeper.h"
#include "platform/busy_pointer.h"
#include "platform/colors.h"
#include "platform/first_paint.h"
#include "platform/settings_store.h"
#include "platform/speech_synthesizer.h"
#include "platform/twip_layout.h"
#include "text/edit_buttons.h"
#include "text/read_aloud.h"
#include "text/sentence_speaker.h"
#include "text/text_panel.h"
#include "text/text_panel_size.h"
#include "text/voice_output.h"
#include "voice/recorder_page.h"
#include "voice/voice_options_page.h"
#include "window/ask_user.h"
#include "window/voice_settings.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr TwipRect kClientArea{0, 0, 15270, 11115};
}

TalkWindow::TalkWindow(Services& services, const DataLocation& location, QWidget* parent)
    : QWidget(parent)
    , m_services(services)
    , m_layout(new TwipLayout(this, kClientArea)) {
    setObjectName(QStringLiteral("frmTalk"));
    setBackColor(this, bgrColor(colors::kWindow));
    m_c = buildTalkControls(this, *m_layout);
    access::nameControls(m_c);
    m_state.appDir = location.dataDir;
    m_state.programDir = location.programDir;
    m_files = std::make_unique<DataFiles>(m_state.appDir, services.asker);
    resize(m_layout->designPixels());
    connectSubsystems();
    startUp();

    connect(m_c.cmdKey, &QPushButton::clicked, this, &TalkWindow::cmdKey_Click);
    connect(m_c.cmdOpt, &QPushButton::clicked, this, &TalkWindow::cmdOpt_Click);
    connect(m_c.cmdEnd, &QPushButton::clicked, this, &TalkWindow::cmdEnd_Click);
}

TalkWindow::~TalkWindow() = default;

// The subsystems that act on the controls, each connecting its own buttons.
void TalkWindow::connectSubsystems() {
    m_textPanel = std::make_unique<TextPanel>(m_c.txtTalk);
    m_textPanelSize = std::make_unique<TextPanelSize>(*m_layout, m_c.fraText, m_c.txtTalk,
                                                      m_c.cmdWide, kClientArea.height);
    const TalkParts parts{this, m_c, m_state, *m_layout, *m_textPanel, *m_textPanelSize};
    m_voice = std::make_unique<VoiceOutput>(m_services.voice, m_services.pause, m_state);
    m_sentences =
        std::make_unique<SentenceSpeaker>(*m_voice, m_services.synthesizer, m_services.speechTimer);
    m_editButtons = std::make_unique<EditButtons>(parts, m_services.clipboard);
    m_readAloud = std::make_unique<ReadAloud>(parts, *m_voice, *m_sentences, m_services.pause,
                                              m_services.beeper);
    m_entryModes = std::make_unique<EntryModes>(parts, *m_files, m_services.asker, m_services.clock,
                                                m_services.launcher);
    m_listPanel = std::make_unique<ListPanel>(parts, *m_entryModes, *m_sentences, *m_files);
    m_registration =
        std::make_unique<PhraseRegistration>(parts, *m_listPanel, *m_files, m_services.asker);
    m_listSelection = std::make_unique<ListSelection>(parts, m_services.beeper);
    m_boardEntry = std::make_unique<BoardEntry>(parts, *m_voice, m_services.beeper);
    connect(m_boardEntry.get(), &BoardEntry::entered, m_listPanel.get(),
            &ListPanel::suggestPhrases);
}

// Form_Load. The single-instance guard has run before the window exists, so
// no save of another copy is under way when stray temporary files go.
void TalkWindow::startUp() {
    if (!data_files::placeStarterFiles(m_state.programDir, m_state.appDir))
        askUser(
            m_services.asker, m_state,
            QStringLiteral("データのフォルダー「%1」を用意できませんでした。").arg(m_state.appDir),
            Asker::Notice, QStringLiteral("データ"));
    m_files->removeStrayTemporaries();
    m_state.settings = readSettings(m_services.store);
    applyVoiceSettings();
    const BusyPointer busy;
    setWindowTitle(QStringLiteral("TaviMail!  ") + QStringLiteral("Ver 1.1"));
    m_c.txtTalk->clear();
    applyTextSize();
    setBoard();
    m_listPanel->setLearning(PhraseOrderPage::learns(m_services.store));
    // The phrase book is read once the window has shown itself; whatever
    // needs it earlier reads it then.
    new FirstPaint(this, [this] { m_listPanel->startReadingPhraseBook(); });
    applyScanSettings();
    applyPointerSettings();
}

void TalkWindow::applyTextSize() {
    m_layout->setFont(m_c.txtTalk,
                      {FontFace::Gothic, double(textPointSize(m_state.settings)), true});
}

void TalkWindow::setBoard() {
    ::setBoard(*m_c.grdBoard, *m_c.cmdKey, m_state.settings.gMaxC);
    m_boardEntry->prepareVoices();
}

// The dwell and touch filters stand in front of every target while one of
// them is on. With all of them off nothing is installed, and every tap
// reaches its target untouched. The filter is kept once made: it may be the
// one that selected "確定" and is still on the stack.
void TalkWindow::applyPointerSettings() {
    const PointerSettings settings = readPointerSettings(m_services.store);
    if (!m_pointer) {
        if (!settings.anyOn())
            return;
        m_pointer = std::make_unique<PointerFilter>(accessClock());
        m_pointer->watchBoard(m_c);
    }
    m_pointer->setSettings(settings);
}

// Form_Activate: the text panel has the focus whenever the window is active.
void TalkWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_c.txtTalk->setFocus();
    QWidget::changeEvent(event);
}

// Closing the window, by "終了" or its title bar, ends the process at once;
// every file and option has already been written by the command that changed it.
void TalkWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::exit(0);
}

void TalkWindow::cmdKey_Click() {
    setBoard();
}

void TalkWindow::cmdOpt_Click() {
    OptionsDialog dialog(m_services.store, m_layout->scale(), this);
    connect(&dialog, &OptionsDialog::extendedOptionsWanted, this,
            [this, &dialog] { openExtendedOptions(&dialog); });
    m_state.settings = readSettings(m_services.store);
    dialog.load(m_state.settings);
    if (dialog.exec() != QDialog::Accepted)
        return;
    syncOptions();
    m_state.settings = readSettings(m_services.store);
    applyTextSize();
    m_c.cmdKey->setText(QStringLiteral("英数"));
    setBoard();
}

// "詳細設定" of the options dialog: every extension's page; the options take
// effect when the dialog is confirmed.
void TalkWindow::openExtendedOptions(QWidget* parent) {
    ExtendedOptionsDialog dialog(m_services.store, m_layout->scale(), parent);
    dialog.addPage(new ScanOptionsPage);
    dialog.addPage(new PointerOptionsPage);
    dialog.addPage(new PhraseOrderPage(m_layout->scale()));
    // The recorder offers the phrases of the whole book.
    m_listPanel->awaitPhraseBook();
    dialog.addPage(new RecorderPage(m_services.microphone, m_services.voice, m_state.appDir,
                                    m_state.phraseTexts, m_layout->scale()));
    addBackupPage(dialog);
    dialog.addPage(
        new VoiceOptionsPage(m_state.appDir, m_services.synthesizer.unavailableReason()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    syncOptions();
    applyScanSettings();
    applyPointerSettings();
    applyVoiceSettings();
    m_listPanel->setLearning(PhraseOrderPage::learns(m_services.store));
}

void TalkWindow::addBackupPage(ExtendedOptionsDialog& dialog) {
    const double scale = m_layout->scale();
    auto* page = new BackupPage(
        m_state.appDir, m_services.asker,
        [scale, &dialog](const QString& title, const QString& start) {
            return FolderChooser::choose(title, start, scale, &dialog);
        },
        &dialog);
    const QString mode = m_c.cmdSamp->text();
    page->setRestoreBlocked(mode != QStringLiteral("例文表示") &&
                            mode != QStringLiteral("例文終了"));
    connect(page, &BackupPage::restored, this, &TalkWindow::reloadData);
    dialog.addPage(page);
}

// The [Voice] group: the reading mode, and the voice and speed of sentences.
void TalkWindow::applyVoiceSettings() {
    const VoiceSettings voice = readVoiceSettings(m_services.store, m_state.appDir);
    m_services.synthesizer.setVoice(voice.file, speechSpeed(voice.rate));
    m_sentences->setSentenceMode(voice.read == VoiceSettings::Read::Sentences);
}

// After a restore the phrase book on show is the restored one.
void TalkWindow::reloadData() {
    showBoardMode(m_c);
    m_listPanel->loadPhraseBook();
}

// Options that cannot be stored still apply for this session; the user is
// told, so that their loss at the next start comes as no surprise.
void TalkWindow::syncOptions() {
    if (!m_services.store.sync())
        askUser(m_services.asker, m_state, QStringLiteral("設定を保存できませんでした。"),
                Asker::Notice, QStringLiteral("オプション"));
}

// Switch scanning exists only while it is on, so that with it off the
// program is unchanged; new options start it afresh.
void TalkWindow::applyScanSettings() {
    const ScanSettings settings = readScanSettings(m_services.store);
    m_scan.reset();
    if (settings.enabled)
        m_scan = std::make_unique<ScanController>(ScanParts{this, m_c, *m_layout, *m_voice},
                                                  settings, accessClock());
}

QtAccessClock& TalkWindow::accessClock() {
    if (!m_accessClock)
        m_accessClock = std::make_unique<QtAccessClock>();
    return *m_accessClock;
}

void TalkWindow::cmdEnd_Click() {
    if (m_state.settings.beep == 1)
        m_services.beeper.beep();
    close();
}
