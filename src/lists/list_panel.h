#pragma once

#include "lists/phrase_book_reader.h"
#include "lists/phrase_uses.h"
#include "window/talk_parts.h"

#include <QObject>

class DataFiles;
class EntryModes;
class QWidget;
class SentenceSpeaker;
class TextPanel;
class TextPanelSize;
class TwipLayout;
struct SharedState;
struct TalkControls;

// The lower panel that the board shares with the lists: the phrase
// candidates offered after an entry, the phrase list, and the two buttons that
// carry its modes, cmdSamp ("例文表示", "例文終了" ...) and cmdDec ("決定").
// The mode shows in cmdSamp's caption and in which grid is on show; the diary,
// address and mail modes are EntryModes' part of the same buttons. In
// sentence mode a phrase chosen with "決定" is also spoken whole.
class ListPanel final : public QObject {
    Q_OBJECT
public:
    ListPanel(const TalkParts& parts, EntryModes& entryModes, SentenceSpeaker& sentences,
              DataFiles& files);

    // LoadPhraseFile then FillPhraseIndex: grdEx and phraseTexts from Talk.txt;
    // when learning, the rows of each kana row in the order of use. A phrase
    // book that cannot be read is noticed.
    void loadPhraseBook();
    // The same for start-up, on a thread of its own once the window shows,
    // so that the window never waits for a long book. Whatever uses the book
    // calls awaitPhraseBook() first, which waits for that reading if it is
    // still going on, and reads the book itself if none was started.
    void startReadingPhraseBook();
    void awaitPhraseBook();

    // Whether the candidates and the phrase list come in the order of use
    // ([Predict] Learn); while learning, every phrase chosen is counted.
    void setLearning(bool learning);
    // A deleted phrase loses its count, learning or not.
    void forgetPhrase(const QString& phrase);

    // SuggestPhrases: after an entry at the end of the text, offers the phrases
    // that begin with its last characters in place of the board.
    void suggestPhrases(const QString& text);
    void showPhraseCandidates(const QString& key);

    void cmdSamp_Click();
    void cmdDec_Click();

signals:
    // The reading started at start-up is done and in use.
    void phraseBookRead();

private:
    void usePhraseBook(const PhraseBook& book);
    void openPhraseList();
    void chooseCandidate();
    // False when a command row ("日記", "メール") opened its list instead.
    bool chooseFromPhraseList();
    void loadUses();
    void countUse(const QString& phrase);
    QString usesPath() const;
    void speakPhrase(const QString& phrase);

    const TalkParts m_p;
    EntryModes& m_entryModes;
    SentenceSpeaker& m_sentences;
    PhraseUses m_uses;
    bool m_learning = false;
    bool m_usesLoaded = false;
    DataFiles& m_files;
    PhraseBookReader m_reader;
    bool m_bookInUse = false;
};
