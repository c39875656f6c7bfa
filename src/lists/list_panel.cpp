#include "lists/list_panel.h"

#include "app/shared_state.h"
#include "app/talk_controls.h"
#include "board/phrase_candidates.h"
#include "lists/board_mode.h"
#include "lists/data_files.h"
#include "lists/entry_modes.h"
#include "lists/kana_index.h"
#include "lists/list_grids.h"
#include "lists/phrase_file.h"
#include "platform/busy_pointer.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/spaces.h"
#include "platform/twip_layout.h"
#include "text/text_panel.h"
#include "text/text_panel_size.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFrame>
#include <QPushButton>

namespace {
// The candidate list's one column is as wide as the window.
constexpr int kWindowWidthTwips = 15270;
// The phrase list's heading column, and the scroll bar beside its last column.
constexpr int kHeadingTwips = 2400;
constexpr int kScrollBarTwips = 338;
} // namespace

ListPanel::ListPanel(QWidget* window, TalkControls& controls, SharedState& state,
                     TwipLayout& layout, TextPanel& panel, TextPanelSize& size,
                     EntryModes& entryModes)
    : QObject(window)
    , m_window(window)
    , m_c(controls)
    , m_state(state)
    , m_layout(layout)
    , m_panel(panel)
    , m_size(size)
    , m_entryModes(entryModes) {
    connect(m_c.cmdSamp, &QPushButton::clicked, this, &ListPanel::cmdSamp_Click);
    connect(m_c.cmdDec, &QPushButton::clicked, this, &ListPanel::cmdDec_Click);
}

void ListPanel::loadPhraseBook() {
    // Stamped before reading, so that a change made meanwhile is read next time.
    m_loadedStamp = phraseBookStamp();
    loadPhraseFile(data_files::path(m_state.appDir, data_files::kPhrases), m_c.grdEx->cells(),
                   m_state.phraseTexts);
    fillPhraseIndex(m_c.grdEx->cells());
}

ListPanel::FileStamp ListPanel::phraseBookStamp() const {
    const QFileInfo file(data_files::path(m_state.appDir, data_files::kPhrases));
    if (!file.exists())
        return {-1, -1};
    return {file.size(), file.lastModified().toMSecsSinceEpoch()};
}

void ListPanel::suggestPhrases(const QString& text) {
    if (m_state.settings.samp == 0 || text.isEmpty())
        return;
    const BusyPointer busy;
    const QString key = candidateKey(text, m_panel.selStart(), m_state.settings.sample);
    if (!key.isEmpty())
        showPhraseCandidates(key);
}

void ListPanel::showPhraseCandidates(const QString& key) {
    if (key.isEmpty())
        return;
    Grid* grdSp = m_c.grdSp;
    const QStringList matches = matchingPhrases(m_state.phraseTexts, key);
    {
        const DrawingSuspended suspended(grdSp);
        list_grids::placeOnBoard(m_layout, m_c, grdSp);
        grdSp->setRows(0);
        grdSp->setCols(1);
        grdSp->setColumnWidthTwips(0, kWindowWidthTwips);
        std::vector<QStringList> rows{{trimSpaces(key)}};
        for (const QString& phrase : matches)
            rows.push_back({phrase});
        grdSp->cells().setAllTexts(rows);
        if (!matches.isEmpty())
            list_grids::markFirstRow(grdSp, 0, m_state.selectedRow);
    }
    if (matches.isEmpty()) {
        m_c.grdBoard->show();
        m_c.fraTalk->hide();
        m_c.fraDay->hide();
        m_c.fraRes->show();
        grdSp->hide();
    } else {
        grdSp->show();
        m_c.grdBoard->hide();
        m_c.fraDay->hide();
        m_c.fraRes->hide();
        m_c.fraSet->hide();
        m_c.fraTalk->show();
    }
    m_state.selectedRow = grdSp->row();
}

void ListPanel::cmdSamp_Click() {
    {
        const BusyPointer busy;
        const WindowDisabled disabled(m_window);
        m_size.narrow();
        const QString caption = m_c.cmdSamp->text();
        if (caption == QStringLiteral("例文表示"))
            openPhraseList();
        else if (caption == QStringLiteral("例文終了"))
            showBoardMode(m_c);
        else
            m_entryModes.leaveMode(caption);
    }
    m_panel.focus();
    // The end marker comes back by replacing the whole text, caret at 0.
    if (!m_panel.text().endsWith(QLatin1Char('_')))
        m_panel.setText(m_panel.text() + QLatin1Char('_'));
}

void ListPanel::openPhraseList() {
    Grid* grdEx = m_c.grdEx;
    {
        const DrawingSuspended suspended(grdEx);
        list_grids::placeOnBoard(m_layout, m_c, grdEx);
        // A large book takes long to read and sort: it is read again only
        // when the file has changed, else only the marks of its last showing go.
        if (phraseBookStamp() != m_loadedStamp)
            loadPhraseBook();
        else
            grdEx->cells().paintAll(bgrColor(colors::kWhite));
        grdEx->setColumnWidthTwips(0, kHeadingTwips);
        grdEx->setColumnWidthTwips(1, m_layout.rect(grdEx).width - kHeadingTwips - kScrollBarTwips);
        grdEx->setText(0, 1, kDiaryRowLabel);
        grdEx->setText(1, 1, kMailRowLabel);
        list_grids::markFirstRow(grdEx, 1, m_state.selectedRow);
    }
    m_c.grdBoard->hide();
    grdEx->show();
    for (Grid* other : {m_c.grdSp, m_c.grdDay, m_c.grdAD, m_c.grdMail})
        other->hide();
    m_c.cmdSamp->setText(QStringLiteral("例文終了"));
    m_c.cmdSampDel->show();
    m_c.cmdSampADD->hide();
    m_c.fraDay->hide();
    m_c.fraRes->hide();
    m_c.fraTalk->show();
}

void ListPanel::cmdDec_Click() {
    bool commandRow = false;
    {
        const WindowDisabled disabled(m_window);
        if (m_c.grdSp->isVisible())
            chooseCandidate();
        else if (m_c.grdEx->isVisible())
            commandRow = !chooseFromPhraseList();
        else if (Grid* list = list_grids::visibleList(m_c))
            m_entryModes.openEntry(list);
        if (!commandRow)
            m_c.fraTalk->hide();
    }
    m_panel.focus();
    // The character right of the caret becomes the block when nothing is
    // selected; a command row has opened its list and leaves the text alone.
    if (!commandRow && m_panel.selLength() == 0)
        m_panel.selectBlock();
}

void ListPanel::chooseCandidate() {
    m_state.selectedText = m_c.grdSp->text(m_state.selectedRow, 0);
    const TextAndCaret result = ::chooseCandidate(m_panel.text(), m_panel.selStart(),
                                                  m_state.selectedText, m_state.settings.sample);
    m_panel.setText(result.text);
    m_panel.setCaret(result.caret);
    m_c.fraTalk->hide();
    m_c.fraDay->hide();
    m_c.fraRes->show();
    m_c.grdSp->hide();
    m_c.grdBoard->show();
}

bool ListPanel::chooseFromPhraseList() {
    m_state.selectedText = m_c.grdEx->text(m_state.selectedRow, 1);
    if (m_state.selectedText == kDiaryRowLabel) {
        m_entryModes.openDiaryList();
        return false;
    }
    if (m_state.selectedText == kMailRowLabel) {
        m_entryModes.openAddressList();
        return false;
    }
    const TextAndCaret result =
        insertPhrase(m_panel.text(), m_panel.selStart(), m_state.selectedText);
    m_panel.setText(result.text);
    m_panel.setCaret(result.caret);
    showBoardMode(m_c);
    return true;
}
