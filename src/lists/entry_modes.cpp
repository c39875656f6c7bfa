#include "lists/entry_modes.h"

#include "diary/diary_file.h"
#include "lists/board_mode.h"
#include "lists/data_files.h"
#include "lists/kana_index.h"
#include "mail/address_file.h"
#include "mail/mail_file.h"
#include "mail/mail_url.h"
#include "mail/mail_window.h"
#include "platform/back_color.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/spaces.h"
#include "platform/twip_layout.h"
#include "text/text_panel.h"
#include "text/text_panel_size.h"
#include "window/ask_user.h"
#include "window/list_grids.h"
#include "window/talk_controls.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QString kDiaryMode = QStringLiteral("日記終了");
const QString kAddressMode = QStringLiteral("ﾒﾙｱﾄﾞ終了");
const QString kMailMode = QStringLiteral("ﾒｰﾙ終了");
const QString kBack = QStringLiteral("戻る");
const QString kDecide = QStringLiteral("決定");
constexpr quint32 kMailColor = 0xFFC0C0;
constexpr int kDateTwips = 4500;
constexpr int kHeadingTwips = 2400;
constexpr int kScrollBarTwips = 338;
} // namespace

EntryModes::EntryModes(const TalkParts& parts, DataFiles& files, Asker& asker, Clock& clock,
                       UrlLauncher& launcher)
    : m_p(parts)
    , m_files(files)
    , m_asker(asker)
    , m_clock(clock)
    , m_launcher(launcher) {
    connect(m_p.c.cmdRevise, &QPushButton::clicked, this, &EntryModes::cmdRevise_Click);
    connect(m_p.c.cmdBack, &QPushButton::clicked, this, &EntryModes::cmdBack_Click);
}

void EntryModes::openDiaryList() {
    loadDiary();
    m_p.c.cmdSamp->setText(kDiaryMode);
    m_p.c.cmdSampADD->hide();
    m_p.c.cmdSampDel->hide();
    m_p.c.grdEx->hide();
}

void EntryModes::openAddressList() {
    loadAddresses();
    m_p.c.cmdSamp->setText(kAddressMode);
    m_p.c.cmdSampADD->hide();
    m_p.c.cmdSampDel->hide();
    m_p.c.grdEx->hide();
}

// Lays a list over the board, emptied and with its columns (the second takes
// what is left of the grid's width, less the scroll bar's share), fills it and
// shows it with the row that fill() returns chosen and at the top.
void EntryModes::showList(Grid* grid, int firstColumnTwips, int spareTwips, int firstPaintedCol,
                          const std::function<int(GridModel&)>& fill) {
    {
        const DrawingSuspended suspended(grid);
        grid->setRows(0);
        grid->setCols(firstColumnTwips > 0 ? 2 : 1);
        list_grids::placeOnBoard(m_p.layout, m_p.c, grid);
        const int width = m_p.layout.rect(grid).width;
        if (firstColumnTwips > 0) {
            grid->setColumnWidthTwips(0, firstColumnTwips);
            grid->setColumnWidthTwips(1, width - firstColumnTwips - spareTwips);
        } else {
            grid->setColumnWidthTwips(0, width);
        }
        const int chosen = fill(grid->cells());
        list_grids::markRow(grid, chosen, firstPaintedCol, m_p.state.selectedRow);
    }
    grid->show();
}

// LoadDiaryFile and SelectFirstDiaryRow: newest day first, today's row chosen.
void EntryModes::loadDiary() {
    const QDate today = m_clock.today();
    showList(m_p.c.grdDay, kDateTwips, 0, 1, [this, today](GridModel& cells) {
        loadDiaryFile(m_files.diary(), cells, today);
        return selectFirstDiaryRow(cells, today);
    });
    m_files.noticeIfUnreadable(m_files.diary());
}

// LoadAddressFile and FillAddressIndex: the empty new entry first.
void EntryModes::loadAddresses() {
    showList(m_p.c.grdAD, kHeadingTwips, kScrollBarTwips, 1, [this](GridModel& cells) {
        loadAddressFile(m_files.addresses(), cells);
        fillAddressIndex(cells);
        return 0;
    });
    m_files.noticeIfUnreadable(m_files.addresses());
}

// LoadMailFile: the empty new mail first, then the saved mails in file order.
void EntryModes::loadMails() {
    showList(m_p.c.grdMail, 0, 0, 0, [this](GridModel& cells) {
        loadMailFile(m_files.mails(), cells);
        return 0;
    });
    m_files.noticeIfUnreadable(m_files.mails());
}

void EntryModes::openEntry(Grid* list) {
    const bool diary = list == m_p.c.grdDay;
    const int column = list == m_p.c.grdMail ? 0 : 1;
    m_p.state.selectedText = list->text(m_p.state.selectedRow, column);
    const QString entry = trimSpaces(m_p.state.selectedText);
    m_p.panel.setText(entry);
    m_p.panel.setCaret(entry.size());
    m_p.state.openedRow = list->row();

    m_p.c.fraTalk->hide();
    m_p.c.fraRes->hide();
    m_p.c.fraDay->show();
    setBackColor(m_p.c.txtTalk, bgrColor(diary ? colors::kHighlight : kMailColor));
    if (list == m_p.c.grdAD)
        m_p.c.cmdSamp->setText(kAddressMode);
    else if (list == m_p.c.grdMail)
        m_p.c.cmdSamp->setText(kMailMode);
    m_p.c.cmdBack->setText(diary ? kBack : kDecide);
    m_p.size.widen();
    list->hide();
}

void EntryModes::cmdRevise_Click() {
    m_p.size.narrow();
    const bool diary = m_p.c.cmdSamp->text() == kDiaryMode;
    setBackColor(m_p.c.txtTalk, bgrColor(diary ? colors::kHighlight : kMailColor));
    const int caret = m_p.panel.length() > 0 ? m_p.panel.length() - 1 : 0;
    m_p.c.grdBoard->show();
    m_p.c.fraTalk->hide();
    m_p.c.fraDay->hide();
    m_p.c.fraRes->show();
    m_p.panel.select(caret, 1);
    m_p.panel.focus();
}

void EntryModes::cmdBack_Click() {
    const QString caption = m_p.c.cmdBack->text();
    if (caption == kBack) {
        if (m_p.c.cmdSamp->text() == kDiaryMode)
            loadDiary();
        m_p.c.fraDay->hide();
        m_p.c.fraTalk->show();
        m_p.size.narrow();
    } else if (caption == kDecide) {
        if (m_p.c.cmdSamp->text() == kAddressMode)
            takeAddress();
        else
            showMailWindow();
    }
}

// From an opened address on to the mails: the name and the address are taken
// from the text, split at its separator.
void EntryModes::takeAddress() {
    const auto parts = splitNameAndAddress(m_p.panel.text());
    if (!parts) {
        noticeNoSeparator();
        return;
    }
    m_p.state.mailName = parts->first;
    m_p.state.mailAddress = parts->second;
    showMailList();
    m_p.panel.focus();
}

void EntryModes::showAddressList() {
    loadAddresses();
    m_p.c.cmdSamp->setText(kAddressMode);
    m_p.c.cmdSampADD->hide();
    m_p.c.cmdSampDel->hide();
    m_p.c.fraRes->hide();
    m_p.c.fraDay->hide();
    m_p.c.fraTalk->show();
}

void EntryModes::showMailList() {
    loadMails();
    m_p.c.cmdSamp->setText(kMailMode);
    m_p.c.cmdSampADD->hide();
    m_p.c.cmdSampDel->hide();
    m_p.c.fraRes->hide();
    m_p.c.fraDay->hide();
    m_p.c.fraTalk->show();
}

// The opened mail in the mail window. The end marker that the text panel
// keeps at the end of an edited text is no part of the mail.
void EntryModes::showMailWindow() {
    QString mail = m_p.panel.text();
    if (mail.endsWith(QLatin1Char('_')))
        mail.chop(1);
    MailWindow window(m_launcher, m_asker, m_p.layout.scale(), m_p.window);
    window.fill(m_p.state.mailName, m_p.state.mailAddress, mailSubject(mail), mail);
    connect(&window, &MailWindow::addressListWanted, this, &EntryModes::showAddressList);
    connect(&window, &MailWindow::mailListWanted, this, &EntryModes::showMailList);
    window.exec();
}

// A text that was not stored (the user went back from characters that cannot
// be kept, or the save failed) stays in the panel and the mode stays, so that
// nothing the user wrote is lost and storing can be tried again.
void EntryModes::leaveMode(const QString& caption) {
    const QString text = m_p.panel.text();
    const int opened = m_p.state.openedRow;
    if (caption == kDiaryMode) {
        const QString title = QStringLiteral("日記の終了");
        if (!m_p.c.grdDay->isVisible() &&
            confirm(QStringLiteral("日記を登録して終了します"), title)) {
            if (!m_files.store(m_files.diary(), diaryRecords(m_p.c.grdDay->cells(), opened, text),
                               title))
                return;
            m_p.panel.setText(QString());
        }
    } else if (caption == kAddressMode) {
        if (!text.isEmpty()) {
            if (!splitNameAndAddress(text)) {
                noticeNoSeparator();
                return;
            }
            const QString title = QStringLiteral("メールの終了");
            if (!m_p.c.grdAD->isVisible() &&
                confirm(QStringLiteral("メルアド登録して終了します"), title) &&
                !m_files.store(m_files.addresses(),
                               addressRecords(m_p.c.grdAD->cells(), opened, text), title))
                return;
        }
        m_p.panel.setText(QString());
    } else if (caption == kMailMode) {
        const QString title = QStringLiteral("メールの終了");
        if (!text.isEmpty() && !m_p.c.grdMail->isVisible() &&
            confirm(QStringLiteral("メールを登録して終了します"), title) &&
            !m_files.store(m_files.mails(), mailRecords(m_p.c.grdMail->cells(), opened, text),
                           title))
            return;
        m_p.panel.setText(QString());
    } else {
        return;
    }
    showBoardMode(m_p.c);
}

bool EntryModes::confirm(const QString& message, const QString& title) {
    return askUser(m_asker, m_p.state, message, Asker::YesNo, title);
}

void EntryModes::noticeNoSeparator() {
    askUser(m_asker, m_p.state, QStringLiteral("名前、アドレスは、カンマで区切ってください。"),
            Asker::Notice, QStringLiteral("メルアド登録"));
}
