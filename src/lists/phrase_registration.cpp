#include "lists/phrase_registration.h"

#include "lists/data_files.h"
#include "lists/list_panel.h"
#include "lists/phrase_candidates.h"
#include "lists/phrase_file.h"
#include "platform/busy_pointer.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/record_file.h"
#include "platform/spaces.h"
#include "platform/twip_layout.h"
#include "text/text_panel.h"
#include "window/ask_user.h"
#include "window/list_grids.h"
#include "window/talk_controls.h"

#include <QFrame>
#include <QPushButton>

namespace {
// After a registration the heading column is a little wider than when the
// list is opened with "例文表示".
constexpr int kHeadingTwips = 2500;
} // namespace

PhraseRegistration::PhraseRegistration(const TalkParts& parts, ListPanel& lists, DataFiles& files,
                                       Asker& asker)
    : m_p(parts)
    , m_lists(lists)
    , m_files(files)
    , m_asker(asker) {
    connect(m_p.c.cmdSampADD, &QPushButton::clicked, this, &PhraseRegistration::cmdSampADD_Click);
    connect(m_p.c.cmdSampDel, &QPushButton::clicked, this, &PhraseRegistration::cmdSampDel_Click);
    connect(m_p.c.cmdStart, &QPushButton::clicked, this, &PhraseRegistration::cmdStart_Click);
}

bool PhraseRegistration::savePhraseBook(const QString& title) {
    return m_files.store(m_files.phrases(), phraseRecords(m_p.c.grdEx->cells()), title);
}

void PhraseRegistration::cmdSampADD_Click() {
    if (isBlank(m_p.panel.text()))
        return;
    const BusyPointer busy;
    // The duplicate check and the save need the whole book.
    m_lists.awaitPhraseBook();
    const QString phrase = phraseToRegister(m_p.panel.text());
    // The phrase as the book will hold it (a character the code page holds in
    // another form reads back in that form), to compare with the listed ones.
    const QString stored = RecordFile::asStored(phrase);
    const QString title = QStringLiteral("例文登録");
    Grid* grdEx = m_p.c.grdEx;
    for (int row = 0; row < grdEx->rows(); ++row) {
        m_p.state.selectedText = grdEx->text(row, 1);
        if (trimSpaces(m_p.state.selectedText) == stored) {
            askUser(m_asker, m_p.state, QStringLiteral("同一文が登録されています"), Asker::Notice,
                    title);
            return;
        }
    }
    {
        const DrawingSuspended suspended(grdEx);
        grdEx->setRows(grdEx->rows() + 1);
        grdEx->setText(grdEx->rows() - 1, 1, phrase);
        if (!savePhraseBook(title)) {
            grdEx->setRows(grdEx->rows() - 1);
            return;
        }
        m_lists.loadPhraseBook();
        grdEx->setText(0, 1, kDiaryRowLabel);
        grdEx->setText(1, 1, kMailRowLabel);
        // The new phrase becomes the chosen row. When there is none (the empty
        // phrase), the list starts from row 0 as a freshly opened list does: the
        // chosen row of the list before the reload would now name another
        // phrase, which "例文削除" would delete unseen.
        int chosen = 0;
        for (int row = 0; row < grdEx->rows(); ++row) {
            m_p.state.selectedText = grdEx->text(row, 1);
            if (trimSpaces(m_p.state.selectedText) == stored) {
                chosen = row;
                break;
            }
        }
        list_grids::markFirstRow(grdEx, 1, m_p.state.selectedRow);
        if (chosen > 0) {
            list_grids::moveMark(m_p.c, grdEx, m_p.state.selectedRow, chosen);
            grdEx->setTopRow(chosen);
        }
        m_p.layout.place(grdEx, m_p.layout.rect(m_p.c.grdBoard));
        grdEx->setColumnWidthTwips(0, kHeadingTwips);
        grdEx->setColumnWidthTwips(1, m_p.layout.rect(grdEx).width - kHeadingTwips);
    }
    m_p.c.grdBoard->hide();
    m_p.c.grdSp->hide();
    grdEx->show();
    m_p.c.cmdSamp->setText(QStringLiteral("例文終了"));
    m_p.c.cmdSampDel->show();
    m_p.c.cmdSampADD->hide();
    m_p.c.fraRes->hide();
    m_p.c.fraDay->hide();
    m_p.c.fraTalk->show();
}

void PhraseRegistration::cmdSampDel_Click() {
    Grid* grdEx = m_p.c.grdEx;
    m_p.state.selectedText = grdEx->text(m_p.state.selectedRow, 1);
    const QString phrase = trimSpaces(m_p.state.selectedText);
    if (phrase == kDiaryRowLabel || phrase == kMailRowLabel)
        return;
    if (!askUser(m_asker, m_p.state, QStringLiteral("上記例文を削除してもいいですか？"),
                 Asker::OkCancel, QStringLiteral("例文の削除")))
        return;
    const DrawingSuspended suspended(grdEx);
    grdEx->setText(m_p.state.selectedRow, 1, QString());
    // A phrase that could not be deleted from the file stays in the list.
    if (savePhraseBook(QStringLiteral("例文の削除")))
        m_lists.forgetPhrase(phrase);
    else
        grdEx->setText(m_p.state.selectedRow, 1, m_p.state.selectedText);
}

void PhraseRegistration::cmdStart_Click() {
    if (!askUser(m_asker, m_p.state, QStringLiteral("はじめからでよろしいですか？"),
                 Asker::OkCancel, QStringLiteral("例文登録")))
        return;
    m_p.panel.setText(QString());
    const DrawingSuspended suspended(m_p.c.grdBoard);
    m_p.c.grdBoard->cells().paintAll(bgrColor(colors::kWhite));
}
