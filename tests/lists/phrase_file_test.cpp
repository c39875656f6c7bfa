#include "file_fixtures.h"
#include "lists/kana_index.h"
#include "lists/phrase_book.h"
#include "lists/phrase_file.h"
#include "platform/record_file.h"

#include <QTemporaryDir>
#include <QtTest>

// The kana row headings of the lists, and the phrase book read in one piece
// (as a thread reads it): its texts in file order, and the phrase list
// sorted and headed with the command rows on top.
class TestPhraseFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("Talk.txt"); }

private slots:
    void heading_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("heading");
        for (const QString& c :
             {u"が:か行"_qs, u"ご:が行"_qs, u"ぽ:ぱ行"_qs, u"を:わ行"_qs, u"ゴ:ガ行"_qs, u"ぁ:"_qs,
              u"ゃ:"_qs, u"ゎ:"_qs, u"ー:"_qs, u"ヴ:"_qs, u"日記:"_qs, u":"_qs})
            QTest::newRow(qUtf8Printable(c)) << c.section(':', 0, 0) << c.section(':', 1);
    }
    void heading() {
        QFETCH(QString, text);
        QFETCH(QString, heading);
        QCOMPARE(kanaRowHeading(text), heading);
    }

    // The empty new entry sorts first; "A" and "ー" join the run above them.
    void headingsOncePerRun() {
        GridModel grid;
        grid.setCols(2);
        grid.setRows(8);
        grid.setColumnTexts(1,
                            {u"き"_qs, u"い"_qs, "", u"ア"_qs, u"あ"_qs, u"か"_qs, "A", u"ー"_qs});
        fillAddressIndex(grid);
        QCOMPARE(columnTexts(grid, 1), (QStringList{"", "A", u"あ"_qs, u"い"_qs, u"か"_qs, u"き"_qs,
                                                    u"ア"_qs, u"ー"_qs}));
        QCOMPARE(columnTexts(grid, 0),
                 (QStringList{"", "", u"あ行"_qs, "", u"か行"_qs, "", u"ア行"_qs, ""}));
    }

    // Blanks at either end go; fewer than two placeholders: the missing ones
    // come first. Phrases that sort before the placeholder do not take the
    // command rows; a row without a heading joins the run above it.
    void reads_data() {
        QTest::addColumn<QStringList>("records"); // empty: no file
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("headings");
        const QString p = kPhrasePlaceholder;
        QTest::newRow("missing file") << QStringList() << QStringList{p, p} << QStringList{p, p}
                                      << QStringList{u"あ行"_qs, ""};
        QTest::newRow("trimmed, empty, before the placeholder")
            << QStringList{u"  ゆき "_qs, p, "", u"ああ"_qs, p, u"1番"_qs}
            << QStringList{u"ゆき"_qs, p, "", u"ああ"_qs, p, u"1番"_qs}
            << QStringList{p, p, "", u"1番"_qs, u"ああ"_qs, u"ゆき"_qs}
            << QStringList{u"あ行"_qs, "", "", "", "", u"や行"_qs};
        QTest::newRow("one placeholder")
            << QStringList{u"かさ"_qs, p, u"ああ"_qs} << QStringList{p, u"かさ"_qs, p, u"ああ"_qs}
            << QStringList{p, p, u"ああ"_qs, u"かさ"_qs}
            << QStringList{u"あ行"_qs, "", "", u"か行"_qs};
    }
    void reads() {
        QFETCH(QStringList, records);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, list);
        QFETCH(QStringList, headings);
        QFile::remove(path());
        if (!records.isEmpty())
            QVERIFY(writeRecordsTo(path(), records));
        RecordFile file(path());
        const PhraseBook book = PhraseBook::read(file);
        QCOMPARE(book.texts(), texts);
        GridModel grid;
        grid.setCols(3); // whatever the grid held before
        grid.setAllTexts({{"x", "y", "z"}});
        book.fillList(grid);
        QCOMPARE(grid.cols(), 2);
        QCOMPARE(columnTexts(grid, 1), list);
        QCOMPARE(columnTexts(grid, 0), headings);
    }

    // The command rows' labels are saved as placeholders, blank rows not at
    // all; a phrase sorting before the placeholder survives.
    void savesTheRelabelledList() {
        QVERIFY(writeRecordsTo(path(), {u"おはよう"_qs, "1"}));
        RecordFile file(path());
        GridModel grid;
        for (int pass = 0; pass < 2; ++pass) {
            PhraseBook::read(file).fillList(grid);
            grid.setText(0, 1, kDiaryRowLabel);
            grid.setText(1, 1, u" %1 "_qs.arg(kMailRowLabel));
            grid.setRows(grid.rows() + 1);
            grid.setText(grid.rows() - 1, 1, "  ");
            QVERIFY(file.write(file.encode(phraseRecords(grid))));
        }
        QCOMPARE(readRecordsFrom(path()),
                 (QStringList{kPhrasePlaceholder, kPhrasePlaceholder, "1", u"おはよう"_qs}));
    }
};

QTEST_GUILESS_MAIN(TestPhraseFile)
#include "phrase_file_test.moc"
