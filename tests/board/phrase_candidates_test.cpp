#include "board/phrase_candidates.h"
#include "lists/phrase_file.h"

#include <QtTest>

class TestPhraseCandidates : public QObject {
    Q_OBJECT
private slots:
    // The key of sample 2 after an entry at the end; none away from the end.
    void candidateKey() {
        QCOMPARE(::candidateKey(u"あ_"_qs, 1, 2), u"あ"_qs);
        QCOMPARE(::candidateKey(u"あい_"_qs, 2, 2), u"あい"_qs);
        QCOMPARE(::candidateKey(u"あいう_"_qs, 3, 2), u"いう"_qs);
        QCOMPARE(::candidateKey(u"あいう_"_qs, 1, 2), QString());
    }

    void matchesBeginnings() {
        const QStringList book{kPhrasePlaceholder, kPhrasePlaceholder, u"ありがとう"_qs,
                               u"あめ"_qs,         u"アリ"_qs,         u"あり"_qs};
        QCOMPARE(matchingPhrases(book, u"あり"_qs), (QStringList{u"ありがとう"_qs, u"あり"_qs}));
        QCOMPARE(matchingPhrases(book, u"ああ"_qs), QStringList()); // never the placeholder
        // The key's blanks are trimmed, but its length before trimming counts.
        QCOMPARE(matchingPhrases(book, u" あめ"_qs), (QStringList{u"あめ"_qs}));
        QCOMPARE(matchingPhrases(book, u"あ "_qs), QStringList());
    }

    void chooseCandidate_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<int>("newCaret");
        const auto add = [](const char* name, const QString& text, int caret,
                            const QString& candidate, const QString& newText, int newCaret) {
            QTest::newRow(name) << text << caret << candidate << newText << newCaret;
        };
        // Key length 2 throughout.
        add("before the end marker", u"わたしはあり_"_qs, 6, u"ありがとう"_qs,
            u"わたしはありがとう_"_qs, 9);
        add("text no longer than the key", u"あ_"_qs, 1, u"あめ"_qs, u"あめ_"_qs, 2);
        add("no end marker", u"わたあり"_qs, 4, u" ありがとう "_qs, u"わたありがとう"_qs, 7);
        add("caret below 0", u"あいうえお_"_qs, 0, u"か"_qs, u"あいうかあいうえお_"_qs, 0);
        add("caret beyond the end", u"あいうえお_"_qs, 40, u"かきくけこ"_qs, u"あいうかきくけこ"_qs,
            8);
    }
    void chooseCandidate() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, candidate);
        QFETCH(QString, newText);
        QFETCH(int, newCaret);
        const TextAndCaret result = ::chooseCandidate(text, caret, candidate, 2);
        QCOMPARE(result.text, newText);
        QCOMPARE(result.caret, newCaret);
    }

    void insertsAndRegisters() {
        const TextAndCaret front = insertPhrase(u"あい_"_qs, 0, u"  はい "_qs);
        QCOMPARE(front.text, u"はいあい_"_qs);
        QCOMPARE(front.caret, 2);
        QCOMPARE(insertPhrase(u"あい"_qs, 99, u"は"_qs).caret, 3);
        QCOMPARE(phraseToRegister(u" あいう _"_qs), u"あいう"_qs);
        QCOMPARE(phraseToRegister(u"\u3000あ "_qs), u"\u3000あ"_qs); // only ASCII spaces are blanks
    }
};

QTEST_GUILESS_MAIN(TestPhraseCandidates)
#include "phrase_candidates_test.moc"
