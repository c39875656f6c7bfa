#include "lists/list_panel.h"

#include "lists/board_mode.h"
#include "lists/data_files.h"
#include "lists/entry_modes.h"
#include "lists/phrase_candidates.h"
#include "lists/phrase_file.h"
#include "lists/use_order.h"
#include "platform/busy_pointer.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/spaces.h"
#include "platform/twip_layout.h"
#include "text/sentence_speaker.h"
#include "text/text_panel.h"
#include "text/text_panel_size.h"
#include "text/voice_output.h"
#include "window/list_grids.h"
#include "window/shared_state.h"
#include "window/talk_controls.h"

#include <QFrame>
#include <QPushButton>

namespace {
// The candidate list's one column is as wide as the window.
constexpr int kWindowWidthTwips = 15270;
// The phrase list's heading column, and the scroll bar beside its last column.
constexpr int kHeadingTwips = 2400;
constexpr int kScrollBarTwips = 338;
} // namespace

ListPanel::ListPanel(const TalkParts& parts, EntryModes& entryModes, SentenceSpeaker& sentences,
                     DataFiles& files)
    : m_p(parts)
    , m_entryModes(entryModes)
    , m_sentences(sentences)
    , m_files(files) {
    connect(m_p.c.cmdSamp, &QPushButton::clicked, this, &ListPanel::cmdSamp_Click);
    connect(m_p.c.cmdDec, &QPushButton::clicked, this, &ListPanel::cmdDec_Click);
}

void ListPanel::setLearning(bool learning) {
    m_learning = learning;
}

// The counts are read once, when the phrases are first ordered or counted,
// which is after the window has shown: start-up does not pay for them.
void ListPanel::loadUses() {
    if (m_usesLoaded)
        return;
    m_uses.load(usesPath());
    m_usesLoaded = true;
}

void ListPanel::loadPhraseBook() {
    // A reading still going on would bring back what this one replaces.
    if (m_reader.isReading())
        m_reader.take();
    usePhraseBook(PhraseBook::read(m_files.phrases()));
}

void ListPanel::startReadingPhraseBook() {
    if (!m_bookInUse && !m_reader.isReading())
        m_reader.start(m_files.phrases(), this, [this] { awaitPhraseBook(); });
}

void ListPanel::awaitPhraseBook() {
    if (m_reader.isReading()) {
        usePhraseBook(m_reader.take());
        emit phraseBookRead();
    } else if (!m_bookInUse) {
        loadPhraseBook();
    }
}

void ListPanel::usePhraseBook(const PhraseBook& book) {
    book.fillList(m_p.c.grdEx->cells());
    m_p.state.phraseTexts = book.texts();
    m_bookInUse = true;
    if (m_learning) {
        loadUses();
        orderPhraseListByUse(m_p.c.grdEx->cells(), m_uses);
    }
    m_files.noticeIfUnreadable(m_files.phrases());
}

QString ListPanel::usesPath() const {
    return data_files::path(m_p.state.appDir, data_files::kPhraseUses);
}

void ListPanel::countUse(const QString& phrase) {
    if (!m_learning || phrase.isEmpty())
        return;
    loadUses();
    m_uses.record(phrase);
    // Counts that cannot be stored stay for this session and are stored with
    // the next choice; the phrases themselves are not at stake.
    m_uses.save(usesPath());
}

void ListPanel::forgetPhrase(const QString& phrase) {
    loadUses();
    if (m_uses.remove(phrase))
        m_uses.save(usesPath());
}

void ListPanel::suggestPhrases(const QString& text) {
    if (m_p.state.settings.samp == 0 || text.isEmpty())
        return;
    const BusyPointer busy;
    const QString key = candidateKey(text, m_p.panel.selStart(), m_p.state.settings.sample);
    if (!key.isEmpty())
        showPhraseCandidates(key);
}

void ListPanel::showPhraseCandidates(const QString& key) {
    if (key.isEmpty())
        return;
    awaitPhraseBook();
    Grid* grdSp = m_p.c.grdSp;
    QStringList matches = matchingPhrases(m_p.state.phraseTexts, key);
    if (m_learning) {
        loadUses();
        matches = orderByUse(matches, m_uses);
    }
    {
        const DrawingSuspended suspended(grdSp);
        list_grids::placeOnBoard(m_p.layout, m_p.c, grdSp);
        grdSp->setRows(0);
        grdSp->setCols(1);
        grdSp->setColumnWidthTwips(0, kWindowWidthTwips);
        std::vector<QStringList> rows{{trimSpaces(key)}};
        for (const QString& phrase : matches)
            rows.push_back({phrase});
        grdSp->cells().setAllTexts(rows);
        if (!matches.isEmpty())
            list_grids::markFirstRow(grdSp, 0, m_p.state.selectedRow);
    }
    if (matches.isEmpty()) {
        m_p.c.grdBoard->show();
        m_p.c.fraTalk->hide();
        m_p.c.fraDay->hide();
        m_p.c.fraRes->show();
        grdSp->hide();
    } else {
        grdSp->show();
        m_p.c.grdBoard->hide();
        m_p.c.fraDay->hide();
        m_p.c.fraRes->hide();
        m_p.c.fraSet->hide();
        m_p.c.fraTalk->show();
    }
    m_p.state.selectedRow = grdSp->row();
}

void ListPanel::cmdSamp_Click() {
    {
        const BusyPointer busy;
        const WindowDisabled disabled(m_p.window);
        m_p.size.narrow();
        const QString caption = m_p.c.cmdSamp->text();
        if (caption == QStringLiteral("例文表示"))
            openPhraseList();
        else if (caption == QStringLiteral("例文終了"))
            showBoardMode(m_p.c);
        else
            m_entryModes.leaveMode(caption);
    }
    m_p.panel.focus();
    // The end marker comes back by replacing the whole text, caret at 0.
    if (!m_p.panel.text().endsWith(QLatin1Char('_')))
        m_p.panel.setText(m_p.panel.text() + QLatin1Char('_'));
}

void ListPanel::openPhraseList() {
    Grid* grdEx = m_p.c.grdEx;
    {
        const DrawingSuspended suspended(grdEx);
        list_grids::placeOnBoard(m_p.layout, m_p.c, grdEx);
        loadPhraseBook();
        grdEx->setColumnWidthTwips(0, kHeadingTwips);
        grdEx->setColumnWidthTwips(1,
                                   m_p.layout.rect(grdEx).width - kHeadingTwips - kScrollBarTwips);
        grdEx->setText(0, 1, kDiaryRowLabel);
        grdEx->setText(1, 1, kMailRowLabel);
        list_grids::markFirstRow(grdEx, 1, m_p.state.selectedRow);
    }
    m_p.c.grdBoard->hide();
    grdEx->show();
    for (Grid* other : {m_p.c.grdSp, m_p.c.grdDay, m_p.c.grdAD, m_p.c.grdMail})
        other->hide();
    m_p.c.cmdSamp->setText(QStringLiteral("例文終了"));
    m_p.c.cmdSampDel->show();
    m_p.c.cmdSampADD->hide();
    m_p.c.fraDay->hide();
    m_p.c.fraRes->hide();
    m_p.c.fraTalk->show();
}

void ListPanel::cmdDec_Click() {
    bool commandRow = false;
    {
        const WindowDisabled disabled(m_p.window);
        if (m_p.c.grdSp->isVisible())
            chooseCandidate();
        else if (m_p.c.grdEx->isVisible())
            commandRow = !chooseFromPhraseList();
        else if (Grid* list = list_grids::visibleList(m_p.c))
            m_entryModes.openEntry(list);
        if (!commandRow)
            m_p.c.fraTalk->hide();
    }
    m_p.panel.focus();
    // The character right of the caret becomes the block when nothing is
    // selected; a command row has opened its list and leaves the text alone.
    if (!commandRow && m_p.panel.selLength() == 0)
        m_p.panel.selectBlock();
}

void ListPanel::chooseCandidate() {
    m_p.state.selectedText = m_p.c.grdSp->text(m_p.state.selectedRow, 0);
    // Row 0 is what was typed, not a phrase of the book.
    if (m_p.state.selectedRow > 0)
        countUse(trimSpaces(m_p.state.selectedText));
    const TextAndCaret result = ::chooseCandidate(
        m_p.panel.text(), m_p.panel.selStart(), m_p.state.selectedText, m_p.state.settings.sample);
    m_p.panel.setText(result.text);
    m_p.panel.setCaret(result.caret);
    m_p.c.fraTalk->hide();
    m_p.c.fraDay->hide();
    m_p.c.fraRes->show();
    m_p.c.grdSp->hide();
    m_p.c.grdBoard->show();
    // Row 0 is what was typed, not a phrase.
    if (m_p.state.selectedRow > 0)
        speakPhrase(m_p.state.selectedText);
}

bool ListPanel::chooseFromPhraseList() {
    m_p.state.selectedText = m_p.c.grdEx->text(m_p.state.selectedRow, 1);
    if (m_p.state.selectedText == kDiaryRowLabel) {
        m_entryModes.openDiaryList();
        return false;
    }
    if (m_p.state.selectedText == kMailRowLabel) {
        m_entryModes.openAddressList();
        return false;
    }
    countUse(trimSpaces(m_p.state.selectedText));
    const TextAndCaret result =
        insertPhrase(m_p.panel.text(), m_p.panel.selStart(), m_p.state.selectedText);
    m_p.panel.setText(result.text);
    m_p.panel.setCaret(result.caret);
    showBoardMode(m_p.c);
    speakPhrase(m_p.state.selectedText);
    return true;
}

// Sentence mode speaks a chosen phrase when the voice option speaks entries,
// so that one phrase and two taps make an answer.
void ListPanel::speakPhrase(const QString& phrase) {
    if (m_sentences.sentenceMode() && VoiceOutput::allows(m_p.state.settings.opt3, u'E'))
        m_sentences.speak(trimSpaces(phrase));
}
