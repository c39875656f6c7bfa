#include "lists/phrase_candidates.h"
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

    // The typed key (sample 2) is replaced by the candidate; "text@caret".
    void chooseCandidate() {
        const auto choose = [](const QString& text, int caret, const QString& candidate) {
            const TextAndCaret r = ::chooseCandidate(text, caret, candidate, 2);
            return r.text + '@' + QString::number(r.caret);
        };
        QCOMPARE(choose(u"わたしはあり_"_qs, 6, u"ありがとう"_qs), u"わたしはありがとう_@9"_qs);
        QCOMPARE(choose(u"あ_"_qs, 1, u"あめ"_qs), u"あめ_@2"_qs); // text no longer than the key
        QCOMPARE(choose(u"わたあり"_qs, 4, u" ありがとう "_qs),
                 u"わたありがとう@7"_qs); // no marker
        // Carets outside the text are clamped.
        QCOMPARE(choose(u"あいうえお_"_qs, 0, u"か"_qs), u"あいうかあいうえお_@0"_qs);
        QCOMPARE(choose(u"あいうえお_"_qs, 40, u"かきくけこ"_qs), u"あいうかきくけこ@8"_qs);
        QCOMPARE(insertPhrase(u"あい"_qs, 99, u"は"_qs).caret, 3);
    }
};

QTEST_GUILESS_MAIN(TestPhraseCandidates)
#include "phrase_candidates_test.moc"
