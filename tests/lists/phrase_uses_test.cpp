#include "file_fixtures.h"
#include "lists/kana_index.h"
#include "lists/phrase_file.h"
#include "lists/phrase_uses.h"
#include "lists/use_order.h"

#include <QTemporaryDir>
#include <QtTest>

// The use counts and the order of use, on plain lists and on the phrase list.
class PhraseUsesTest : public QObject {
    Q_OBJECT

    static PhraseUses used(const QStringList& choices) {
        PhraseUses uses;
        for (const QString& phrase : choices)
            uses.record(phrase);
        return uses;
    }

private slots:
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

    // The counts survive a save and a load; a record that is not a count
    // makes the whole file count for nothing, and so does a missing one.
    void storedAndReadBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath("TalkUse.txt");
        PhraseUses uses = used({"あめ", "お は よ う", "あめ"});
        QVERIFY(uses.save(path));
        QCOMPARE(readRecordsFrom(path), QStringList({"1 2 お は よ う", "2 3 あめ"}));
        PhraseUses read;
        read.load(path);
        QCOMPARE(read.rank("あめ"), uses.rank("あめ"));
        QCOMPARE(read.rank("お は よ う"), uses.rank("お は よ う"));
        read.record("いぬ"); // choices go on being numbered after the last one read
        QVERIFY(read.rank("いぬ") > read.rank("あめ") - 1);
        QVERIFY(read.remove("あめ"));
        QVERIFY(!read.remove("あめ"));

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

QTEST_GUILESS_MAIN(PhraseUsesTest)
#include "phrase_uses_test.moc"
