#include "byte_file.h"
#include "lists/kana_index.h"
#include "lists/phrase_file.h"
#include "platform/grid_model.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestPhraseFile : public QObject {
    Q_OBJECT
private slots:
    void loadsRecordsWithPlaceholders();
    void suppliesMissingPlaceholders_data();
    void suppliesMissingPlaceholders();
    void savesCommandRowsAndSkipsBlankRows();
    void relabelledListRoundTrips();
    void failedSaveReportsAndKeepsTheFile();

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("Talk.txt"); }
    static QStringList column(const GridModel& grid, int col) {
        QStringList texts;
        for (int row = 0; row < grid.rows(); ++row)
            texts.append(grid.text(row, col));
        return texts;
    }
};

void TestPhraseFile::loadsRecordsWithPlaceholders() {
    const QByteArray placeholderLine = '"' + cp932bytes::kPlaceholder + "\"\r\n";
    QVERIFY(writeBytes(path(), placeholderLine + placeholderLine + "\"" + cp932bytes::kOhayou +
                                   "\"\r\n\r\n  \r\n\"a\"b\"\r\n\"  x  \"\r\n\"\"\r\n"));
    GridModel grid;
    QStringList texts;
    loadPhraseFile(path(), grid, texts);
    const QStringList expected{
        kPhrasePlaceholder, kPhrasePlaceholder, u"おはよう"_qs, "ab", "x", ""};
    QCOMPARE(grid.cols(), 2);
    QCOMPARE(column(grid, 1), expected);
    QCOMPARE(column(grid, 0), QStringList(expected.size(), QString()));
    QCOMPARE(texts, expected);
}

void TestPhraseFile::suppliesMissingPlaceholders_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("texts");
    const QString p = kPhrasePlaceholder;
    QTest::newRow("missing file") << QByteArray() << QStringList{p, p};
    QTest::newRow("blank file") << QByteArray("\r\n  \r\n") << QStringList{p, p};
    QTest::newRow("phrases only") << QByteArray("\"x\"\r\n") << QStringList{p, p, "x"};
    QTest::newRow("one placeholder")
        << QByteArray("\"x\"\r\n\"" + cp932bytes::kPlaceholder + "\"\r\n")
        << QStringList{p, "x", p};
}

void TestPhraseFile::suppliesMissingPlaceholders() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, texts);
    if (!bytes.isEmpty())
        QVERIFY(writeBytes(path(), bytes));
    else
        QFile::remove(path());
    GridModel grid;
    QStringList phraseTexts{"stale"};
    loadPhraseFile(path(), grid, phraseTexts);
    QCOMPARE(column(grid, 1), texts);
    QCOMPARE(phraseTexts, texts);
}

void TestPhraseFile::savesCommandRowsAndSkipsBlankRows() {
    GridModel grid;
    grid.setCols(2);
    grid.setAllTexts({{"", u"日記"_qs},
                      {"", u" メール "_qs},
                      {"", u"  "_qs},
                      {"", ""},
                      {"", u" おはよう"_qs},
                      {"", u"日記です"_qs}});
    QVERIFY(savePhraseFile(path(), grid));
    const QByteArray placeholderLine = '"' + cp932bytes::kPlaceholder + "\"\r\n";
    QCOMPARE(readBytes(path()), placeholderLine + placeholderLine + "\" " + cp932bytes::kOhayou +
                                    "\"\r\n" + '"' + QByteArray::fromHex("93FA 8B4C 82C5 82B7") +
                                    "\"\r\n");
}

void TestPhraseFile::relabelledListRoundTrips() {
    QVERIFY(writeBytes(path(), "\"" + cp932bytes::kOhayou + "\"\r\n"));
    GridModel grid;
    QStringList texts;
    loadPhraseFile(path(), grid, texts);
    fillPhraseIndex(grid);
    grid.setText(0, 1, kDiaryRowLabel);
    grid.setText(1, 1, kMailRowLabel);
    QVERIFY(savePhraseFile(path(), grid));
    loadPhraseFile(path(), grid, texts);
    fillPhraseIndex(grid);
    QCOMPARE(column(grid, 1),
             (QStringList{kPhrasePlaceholder, kPhrasePlaceholder, u"おはよう"_qs}));
}

void TestPhraseFile::failedSaveReportsAndKeepsTheFile() {
    QVERIFY(QDir(m_dir.path()).mkdir("folder"));
    GridModel grid;
    grid.setCols(2);
    grid.setAllTexts({{"", "x"}});
    QVERIFY(!savePhraseFile(m_dir.filePath("folder"), grid));
    QVERIFY(QFileInfo(m_dir.filePath("folder")).isDir());
}

QTEST_GUILESS_MAIN(TestPhraseFile)
#include "tst_phrasefile.moc"
