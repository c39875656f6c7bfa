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
// The subject of a mail is its beginning.
constexpr int kSubjectLength = 10;
} // namespace

EntryModes::EntryModes(const TalkParts& parts, Asker& asker, Clock& clock, UrlLauncher& launcher)
    : m_p(parts)
    , m_asker(asker)
    , m_clock(clock)
    , m_launcher(launcher) {
    connect(m_p.c.cmdRevise, &QPushButton::clicked, this, &EntryModes::cmdRevise_Click);
    connect(m_p.c.cmdBack, &QPushButton::clicked, this, &EntryModes::cmdBack_Click);
}

QString EntryModes::filePath(const QString& name) const {
    return data_files::path(m_p.state.appDir, name);
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
// shows it with row 0 chosen.
void EntryModes::showList(Grid* grid, int firstColumnTwips, int spareTwips, int firstPaintedCol,
                          const std::function<void(GridModel&)>& fill) {
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
        fill(grid->cells());
        list_grids::markFirstRow(grid, firstPaintedCol, m_p.state.selectedRow);
    }
    grid->show();
}

// LoadDiaryFile and SelectFirstDiaryRow: newest day first, a row for today.
void EntryModes::loadDiary() {
    showList(m_p.c.grdDay, kDateTwips, 0, 1, [this](GridModel& cells) {
        loadDiaryFile(filePath(data_files::kDiary), cells, m_clock.today());
        selectFirstDiaryRow(cells);
    });
}

// LoadAddressFile and FillAddressIndex: the empty new entry first.
void EntryModes::loadAddresses() {
    showList(m_p.c.grdAD, kHeadingTwips, kScrollBarTwips, 1, [this](GridModel& cells) {
        loadAddressFile(filePath(data_files::kAddresses), cells);
        fillAddressIndex(cells);
    });
}

// LoadMailFile: the empty new mail first, then the saved mails in file order.
void EntryModes::loadMails() {
    showList(m_p.c.grdMail, 0, 0, 0,
             [this](GridModel& cells) { loadMailFile(filePath(data_files::kMails), cells); });
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
    MailWindow window(m_launcher, m_p.layout.scale(), m_p.window);
    window.fill(m_p.state.mailName, m_p.state.mailAddress, mail.left(kSubjectLength), mail);
    connect(&window, &MailWindow::addressListWanted, this, &EntryModes::showAddressList);
    connect(&window, &MailWindow::mailListWanted, this, &EntryModes::showMailList);
    window.exec();
}

void EntryModes::leaveMode(const QString& caption) {
    const QString text = m_p.panel.text();
    if (caption == kDiaryMode) {
        if (!m_p.c.grdDay->isVisible() &&
            confirm(QStringLiteral("日記を登録して終了します"), QStringLiteral("日記の終了"))) {
            if (!saved(saveDiaryFile(filePath(data_files::kDiary), m_p.c.grdDay->cells(),
                                     m_p.state.openedRow, text),
                       data_files::kDiary))
                return;
            m_p.panel.setText(QString());
        }
    } else if (caption == kAddressMode) {
        if (!text.isEmpty()) {
            if (!splitNameAndAddress(text)) {
                noticeNoSeparator();
                return;
            }
            if (!m_p.c.grdAD->isVisible() &&
                confirm(QStringLiteral("メルアド登録して終了します"),
                        QStringLiteral("メールの終了")) &&
                !saved(saveAddressFile(filePath(data_files::kAddresses), m_p.c.grdAD->cells(),
                                       m_p.state.openedRow, text),
                       data_files::kAddresses))
                return;
        }
        m_p.panel.setText(QString());
    } else if (caption == kMailMode) {
        if (!text.isEmpty() && !m_p.c.grdMail->isVisible() &&
            confirm(QStringLiteral("メールを登録して終了します"), QStringLiteral("メールの終了")) &&
            !saved(saveMailFile(filePath(data_files::kMails), m_p.c.grdMail->cells(),
                                m_p.state.openedRow, text),
                   data_files::kMails))
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

// A save that failed keeps the text in the panel and the mode as it was, so
// that nothing the user wrote is lost and storing can be tried again.
bool EntryModes::saved(bool ok, const QString& fileName) {
    if (!ok)
        data_files::noticeSaveFailed(m_asker, fileName);
    return ok;
}
