#include "board/phrase_candidates.h"
#include "lists/phrase_file.h"

#include <QtTest>

class TestPhraseCandidates : public QObject {
    Q_OBJECT
private slots:
    void candidateKey_data();
    void candidateKey();
    void matchesBeginnings();
    void chooseCandidate_data();
    void chooseCandidate();
    void insertPhrase_data();
    void insertPhrase();
    void phraseToRegister_data();
    void phraseToRegister();
};

void TestPhraseCandidates::candidateKey_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("sample");
    QTest::addColumn<QString>("key");
    QTest::newRow("first entry") << u"あ_"_qs << 1 << 2 << u"あ"_qs;
    QTest::newRow("second entry") << u"あい_"_qs << 2 << 2 << u"あい"_qs;
    QTest::newRow("third entry") << u"あいう_"_qs << 3 << 2 << u"いう"_qs;
    QTest::newRow("entry before an earlier character") << u"あいう_"_qs << 1 << 2 << "";
    QTest::newRow("caret at the very end") << u"あいう_"_qs << 4 << 2 << "";
    QTest::newRow("empty text") << "" << -1 << 2 << "";
    QTest::newRow("no key length") << u"あい_"_qs << 2 << 0 << "";
}

void TestPhraseCandidates::candidateKey() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, sample);
    QFETCH(QString, key);
    QCOMPARE(::candidateKey(text, caret, sample), key);
}

void TestPhraseCandidates::matchesBeginnings() {
    const QStringList book{kPhrasePlaceholder, kPhrasePlaceholder, u"ありがとう"_qs, u"あめ"_qs,
                           u"アリ"_qs,         u"あり"_qs,         u"おはよう"_qs};
    QCOMPARE(matchingPhrases(book, u"あり"_qs), (QStringList{u"ありがとう"_qs, u"あり"_qs}));
    QCOMPARE(matchingPhrases(book, u"ああ"_qs), QStringList()); // never the placeholder
    QCOMPARE(matchingPhrases(book, u"ん"_qs), QStringList());
    // The key's blanks are trimmed but its length still counts.
    QCOMPARE(matchingPhrases(book, u" あめ"_qs), (QStringList{u"あめ"_qs}));
    QCOMPARE(matchingPhrases(book, u"あ "_qs), QStringList());
}

void TestPhraseCandidates::chooseCandidate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<int>("newCaret");
    // Key length 2 throughout.
    QTest::newRow("typed beginning before the end marker")
        << u"わたしはあり_"_qs << 6 << u"ありがとう"_qs << u"わたしはありがとう_"_qs << 9;
    QTest::newRow("whole text no longer than the key")
        << u"あ_"_qs << 1 << u"あめ"_qs << u"あめ_"_qs << 2;
    QTest::newRow("text without end marker")
        << u"わたあり"_qs << 4 << u" ありがとう "_qs << u"わたありがとう"_qs << 7;
    QTest::newRow("row 0 puts the key back")
        << u"わたしはあり_"_qs << 6 << u"あり"_qs << u"わたしはあり_"_qs << 6;
    QTest::newRow("n > S, text あり_")
        << u"あり_"_qs << 2 << u"ありがとう"_qs << u"ありがとう_"_qs << 5;
    QTest::newRow("caret far from the end is clamped at 0")
        << u"あいうえお_"_qs << 0 << u"か"_qs << u"あいうかあいうえお_"_qs << 0;
    QTest::newRow("caret beyond the end is clamped to the end")
        << u"あいうえお_"_qs << 40 << u"かきくけこ"_qs << u"あいうかきくけこ"_qs << 8;
}

void TestPhraseCandidates::chooseCandidate() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, candidate);
    QFETCH(QString, newText);
    QFETCH(int, newCaret);
    const TextAndCaret result = ::chooseCandidate(text, caret, candidate, 2);
    QCOMPARE(result.text, newText);
    QCOMPARE(result.caret, newCaret);
}

void TestPhraseCandidates::insertPhrase_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<int>("newCaret");
    QTest::newRow("front") << u"あい_"_qs << 0 << u"はいあい_"_qs << 2;
    QTest::newRow("end without marker") << u"あい"_qs << 2 << u"あいはい"_qs << 4;
    QTest::newRow("caret out of range") << u"あい"_qs << 99 << u"あいはい"_qs << 4;
}

void TestPhraseCandidates::insertPhrase() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, newText);
    QFETCH(int, newCaret);
    const TextAndCaret result = ::insertPhrase(text, caret, u"  はい "_qs);
    QCOMPARE(result.text, newText);
    QCOMPARE(result.caret, newCaret);
}

void TestPhraseCandidates::phraseToRegister_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("end marker") << u" あいう _"_qs << u"あいう"_qs;
    QTest::newRow("no end marker") << u"あいう "_qs << u"あいう"_qs;
    QTest::newRow("only the end marker") << u"_"_qs << "";
    QTest::newRow("one marker only") << u"あ__"_qs << u"あ_"_qs;
    QTest::newRow("ideographic space kept") << u"\u3000あ_"_qs << u"\u3000あ"_qs;
}

void TestPhraseCandidates::phraseToRegister() {
    QFETCH(QString, text);
    QFETCH(QString, phrase);
    QCOMPARE(::phraseToRegister(text), phrase);
}

QTEST_GUILESS_MAIN(TestPhraseCandidates)
#include "tst_phrasecandidates.moc"
