#include "file_fixtures.h"
#include "lists/kana_index.h"
#include "lists/phrase_book.h"
#include "lists/phrase_file.h"
#include "platform/record_file.h"

#include <QTemporaryDir>
#include <QtTest>

// The phrase book read in one piece (as a thread reads it) gives what
// LoadPhraseFile and FillPhraseIndex give on the grid.
class TestPhraseBook : public QObject {
    Q_OBJECT
private slots:
    void sameAsLoadingAndIndexingTheGrid_data() {
        QTest::addColumn<QStringList>("records");
        const QString p = kPhrasePlaceholder;
        QTest::newRow("starter-like") << QStringList{p, p, u"かさ"_qs, u"あめ"_qs, u"さくら"_qs};
        QTest::newRow("one placeholder, phrases before it, blanks, repeats")
            << QStringList{u"  ゆき "_qs, u"1番"_qs, p, u"ああ"_qs, u"ゆき"_qs, "A", u"ー"_qs};
        QTest::newRow("empty book") << QStringList{};
    }
    void sameAsLoadingAndIndexingTheGrid() {
        QFETCH(QStringList, records);
        QTemporaryDir dir;
        const QString path = dir.filePath("Talk.txt");
        QVERIFY(writeRecordsTo(path, records));

        GridModel expected;
        QStringList expectedTexts;
        RecordFile file(path);
        loadPhraseFile(file, expected, expectedTexts);
        fillPhraseIndex(expected);

        const PhraseBook book = PhraseBook::read(file);
        GridModel list;
        list.setCols(3); // whatever the grid held before
        list.setAllTexts({{"x", "y", "z"}});
        book.fillList(list);
        QCOMPARE(list.cols(), 2);
        QCOMPARE(columnTexts(list, 1), columnTexts(expected, 1));
        QCOMPARE(columnTexts(list, 0), columnTexts(expected, 0));
        QCOMPARE(book.texts(), expectedTexts);
    }
};

QTEST_GUILESS_MAIN(TestPhraseBook)
#include "phrase_book_test.moc"
