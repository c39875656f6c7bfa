#include "file_fixtures.h"
#include "lists/kana_index.h"
#include "lists/phrase_candidates.h"
#include "lists/phrase_file.h"
#include "lists/phrase_uses.h"
#include "lists/use_order.h"

#include <QTemporaryDir>
#include <QtTest>

// The candidates offered for the last characters typed and what choosing one
// does; the use counts and the order of use, on plain lists and on the
// phrase list.
class TestPhraseCandidates : public QObject {
    Q_OBJECT

    static PhraseUses used(const QStringList& choices) {
        PhraseUses uses;
        for (const QString& phrase : choices)
            uses.record(phrase);
        return uses;
    }

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

    void mostUsedFirstTiesInTheGivenOrder() {
        const QStringList book{"あめ", "あさ", "あき", "あい"};
        QCOMPARE(orderByUse(book, PhraseUses()), book);
        // あき twice, then あい once, more recently: how often weighs more
        QCOMPARE(orderByUse(book, used({"あき", "あき", "あい"})),
                 QStringList({"あき", "あい", "あめ", "あさ"}));
        // of two phrases used as often, the later one comes first
        QCOMPARE(orderByUse(book, used({"あい", "あさ"})),
                 QStringList({"あさ", "あい", "あめ", "あき"}));
    }

    // A phrase used often long ago gives way to one used once lately: its
    // rank falls by one for every kHalfLife choices of other phrases.
    void oldUsesFade() {
        QStringList choices{"あめ", "あめ", "あめ", "あめ"}; // rank 2 above a fresh single use
        for (int i = 0; i < 2 * int(PhraseUses::kHalfLife) - 2; ++i)
            choices.append("いぬ");
        choices.append("あさ");
        const PhraseUses uses = used(choices);
        QVERIFY(uses.rank("あめ") > uses.rank("あさ"));
        PhraseUses later = uses;
        later.record("いぬ");
        later.record("いぬ");
        later.record("あき");
        QVERIFY(later.rank("あき") > later.rank("あめ"));
    }

    // Within each kana row the phrases move, the headings and command rows
    // stay; a row without a heading of its own moves within the run above it.
    void phraseListRunsAreOrderedOneByOne() {
        const QStringList texts{
            kPhrasePlaceholder, kPhrasePlaceholder, "あい", "あお", "かさ", "がけ", "きく", "ーと"};
        const QStringList headings{"あ行", "", "", "", "か行", "", "", ""};
        QCOMPARE(kanaRowHeadings(texts), headings);
        GridModel grid;
        grid.setCols(2);
        grid.setRows(int(texts.size()));
        grid.setColumnTexts(0, headings);
        grid.setColumnTexts(1, texts);
        orderPhraseListByUse(grid, used({"あお", "ーと", "ーと", "きく", "かさ"}));
        QCOMPARE(columnTexts(grid, 0), headings);
        QCOMPARE(columnTexts(grid, 1), QStringList({kPhrasePlaceholder, kPhrasePlaceholder, "あお",
                                                    "あい", "ーと", "かさ", "きく", "がけ"}));
    }

    // A text with blanks is stored whole (the counts surviving a restart, and
    // numbered on after it, are walked in list_panel_test); a record that is
    // not a count makes the whole file count for nothing, and so does a
    // missing one.
    void storedAndReadBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath("TalkUse.txt");
        PhraseUses uses = used({"あめ", "お は よ う", "あめ"});
        QVERIFY(uses.save(path));
        PhraseUses read;
        read.load(path);
        QCOMPARE(read.rank("お は よ う"), uses.rank("お は よ う"));

        for (const QStringList& damaged :
             {QStringList{"2 3 あめ", "x 1 いぬ"}, QStringList{"2 3 あめ", "4 いぬ"},
              QStringList{"2 3 あめ", "0 4 いぬ"}, QStringList{"2 3 "}}) {
            QVERIFY(writeRecordsTo(path, damaged));
            read.load(path);
            QVERIFY2(read.isEmpty(), qPrintable(damaged.join('|')));
        }
        QVERIFY(writeBytes(path, QByteArray("\x00\xff\x81\r\n", 5)));
        read.load(path);
        QVERIFY(read.isEmpty());
        read.load(dir.filePath("missing.txt"));
        QVERIFY(read.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPhraseCandidates)
#include "phrase_candidates_test.moc"
