#include "app/talk_window.h"

#include "app/extended_options_dialog.h"
#include "app/options_dialog.h"
#include "board/board_entry.h"
#include "board/set_board.h"
#include "lists/data_files.h"
#include "lists/entry_modes.h"
#include "lists/list_panel.h"
#include "lists/list_selection.h"
#include "lists/phrase_registration.h"
#include "platform/back_color.h"
#include "platform/beeper.h"
#include "platform/busy_pointer.h"
#include "platform/colors.h"
#include "platform/settings_store.h"
#include "platform/twip_layout.h"
#include "text/edit_buttons.h"
#include "text/read_aloud.h"
#include "text/text_panel.h"
#include "text/text_panel_size.h"
#include "text/voice_output.h"
#include "window/ask_user.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr TwipRect kClientArea{0, 0, 15270, 11115};
}

TalkWindow::TalkWindow(Services& services, const QString& appDir, QWidget* parent)
    : QWidget(parent)
    , m_services(services)
    , m_layout(new TwipLayout(this, kClientArea)) {
    setObjectName(QStringLiteral("frmTalk"));
    setBackColor(this, bgrColor(colors::kWindow));
    m_c = buildTalkControls(this, *m_layout);
    m_state.appDir = appDir;
    m_files = std::make_unique<DataFiles>(appDir, services.asker);
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
    m_editButtons = std::make_unique<EditButtons>(parts, m_services.clipboard);
    m_readAloud = std::make_unique<ReadAloud>(parts, *m_voice, m_services.pause, m_services.beeper);
    m_entryModes = std::make_unique<EntryModes>(parts, *m_files, m_services.asker, m_services.clock,
                                                m_services.launcher);
    m_listPanel = std::make_unique<ListPanel>(parts, *m_entryModes, *m_files);
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
    m_files->removeStrayTemporaries();
    m_state.settings = readSettings(m_services.store);
    const BusyPointer busy;
    setWindowTitle(QStringLiteral("TaviMail!  ") + QStringLiteral("Ver 1.1"));
    m_c.txtTalk->clear();
    applyTextSize();
    setBoard();
    m_listPanel->loadPhraseBook();
}

void TalkWindow::applyTextSize() {
    m_layout->setFont(m_c.txtTalk,
                      {FontFace::Gothic, double(textPointSize(m_state.settings)), true});
}

void TalkWindow::setBoard() {
    ::setBoard(*m_c.grdBoard, *m_c.cmdKey, m_state.settings.gMaxC);
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
    if (dialog.exec() != QDialog::Accepted)
        return;
    syncOptions();
}

// Options that cannot be stored still apply for this session; the user is
// told, so that their loss at the next start comes as no surprise.
void TalkWindow::syncOptions() {
    if (!m_services.store.sync())
        askUser(m_services.asker, m_state, QStringLiteral("設定を保存できませんでした。"),
                Asker::Notice, QStringLiteral("オプション"));
}

void TalkWindow::cmdEnd_Click() {
    if (m_state.settings.beep == 1)
        m_services.beeper.beep();
    close();
}
