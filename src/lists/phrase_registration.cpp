#include "lists/phrase_registration.h"

#include "app/ask_user.h"
#include "app/talk_controls.h"
#include "board/phrase_candidates.h"
#include "lists/data_files.h"
#include "lists/list_panel.h"
#include "lists/phrase_file.h"
#include "platform/busy_pointer.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/spaces.h"
#include "platform/twip_layout.h"
#include "text/text_panel.h"

#include <QFrame>
#include <QPushButton>

namespace {
// After a registration the heading column is a little wider than when the
// list is opened with "例文表示".
constexpr int kHeadingTwips = 2500;
} // namespace

PhraseRegistration::PhraseRegistration(TalkControls& controls, SharedState& state,
                                       TwipLayout& layout, TextPanel& panel, ListPanel& lists,
                                       Asker& asker, QObject* parent)
    : QObject(parent)
    , m_c(controls)
    , m_state(state)
    , m_layout(layout)
    , m_panel(panel)
    , m_lists(lists)
    , m_asker(asker) {
    connect(m_c.cmdSampADD, &QPushButton::clicked, this, &PhraseRegistration::cmdSampADD_Click);
    connect(m_c.cmdSampDel, &QPushButton::clicked, this, &PhraseRegistration::cmdSampDel_Click);
    connect(m_c.cmdStart, &QPushButton::clicked, this, &PhraseRegistration::cmdStart_Click);
}

bool PhraseRegistration::savePhraseBook() {
    const bool ok =
        savePhraseFile(data_files::path(m_state.appDir, data_files::kPhrases), m_c.grdEx->cells());
    if (!ok)
        data_files::noticeSaveFailed(m_asker, data_files::kPhrases);
    return ok;
}

void PhraseRegistration::cmdSampADD_Click() {
    if (isBlank(m_panel.text()))
        return;
    const BusyPointer busy;
    const QString phrase = phraseToRegister(m_panel.text());
    Grid* grdEx = m_c.grdEx;
    for (int row = 0; row < grdEx->rows(); ++row) {
        m_state.selectedText = grdEx->text(row, 1);
        if (trimSpaces(m_state.selectedText) == phrase) {
            askUser(m_asker, m_state, QStringLiteral("同一文が登録されています"), Asker::Notice,
                    QStringLiteral("例文登録"));
            return;
        }
    }
    {
        const DrawingSuspended suspended(grdEx);
        grdEx->setRows(grdEx->rows() + 1);
        grdEx->setText(grdEx->rows() - 1, 1, phrase);
        savePhraseBook();
        m_lists.loadPhraseBook();
        grdEx->setText(0, 1, kDiaryRowLabel);
        grdEx->setText(1, 1, kMailRowLabel);
        for (int row = 0; row < grdEx->rows(); ++row) {
            m_state.selectedText = grdEx->text(row, 1);
            if (trimSpaces(m_state.selectedText) == phrase) {
                grdEx->setCurrent(row, 1);
                m_state.selectedRow = row;
                grdEx->cells().paintRow(row, 1, bgrColor(colors::kHighlight));
                grdEx->setTopRow(row);
                break;
            }
        }
        m_layout.place(grdEx, m_layout.rect(m_c.grdBoard));
        grdEx->setColumnWidthTwips(0, kHeadingTwips);
        grdEx->setColumnWidthTwips(1, m_layout.rect(grdEx).width - kHeadingTwips);
    }
    m_c.grdBoard->hide();
    m_c.grdSp->hide();
    grdEx->show();
    m_c.cmdSamp->setText(QStringLiteral("例文終了"));
    m_c.cmdSampDel->show();
    m_c.cmdSampADD->hide();
    m_c.fraRes->hide();
    m_c.fraDay->hide();
    m_c.fraTalk->show();
}

void PhraseRegistration::cmdSampDel_Click() {
    Grid* grdEx = m_c.grdEx;
    m_state.selectedText = grdEx->text(m_state.selectedRow, 1);
    const QString phrase = trimSpaces(m_state.selectedText);
    if (phrase == kDiaryRowLabel || phrase == kMailRowLabel)
        return;
    if (!askUser(m_asker, m_state, QStringLiteral("上記例文を削除してもいいですか？"),
                 Asker::OkCancel, QStringLiteral("例文の削除")))
        return;
    const DrawingSuspended suspended(grdEx);
    grdEx->setText(m_state.selectedRow, 1, QString());
    // A phrase that could not be deleted from the file stays in the list.
    if (!savePhraseBook())
        grdEx->setText(m_state.selectedRow, 1, m_state.selectedText);
}

void PhraseRegistration::cmdStart_Click() {
    if (!askUser(m_asker, m_state, QStringLiteral("はじめからでよろしいですか？"), Asker::OkCancel,
                 QStringLiteral("例文登録")))
        return;
    m_panel.setText(QString());
    const DrawingSuspended suspended(m_c.grdBoard);
    m_c.grdBoard->cells().paintAll(bgrColor(colors::kWhite));
}
