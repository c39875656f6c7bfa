#include "file_fixtures.h"
#include "lists/kana_index.h"
#include "lists/phrase_file.h"

#include <QTemporaryDir>
#include <QtTest>

class TestPhraseFile : public QObject {
    Q_OBJECT
private slots:
    void loads_data();
    void loads();
    void saves();
    void relabelledListRoundTrips();

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("Talk.txt"); }
};

void TestPhraseFile::loads_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("texts");
    const QString p = kPhrasePlaceholder;
    const QByteArray pLine = '"' + cp932bytes::kPlaceholder + "\"\r\n";
    QTest::newRow("records") << pLine + pLine + "\"" + cp932bytes::kOhayou +
                                    "\"\r\n \r\n\"a\"b\"\r\n\"  x  \"\r\n\"\"\r\n"
                             << QStringList{p, p, u"おはよう"_qs, "ab", "x", ""};
    QTest::newRow("missing file") << QByteArray() << QStringList{p, p};
    QTest::newRow("blank file") << QByteArray("\r\n  \r\n") << QStringList{p, p};
    QTest::newRow("one placeholder") << "\"x\"\r\n" + pLine << QStringList{p, "x", p};
}

void TestPhraseFile::loads() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, texts);
    QFile::remove(path());
    if (!bytes.isEmpty())
        QVERIFY(writeBytes(path(), bytes));
    GridModel grid;
    QStringList phraseTexts{"stale"};
    loadPhraseFile(path(), grid, phraseTexts);
    QCOMPARE(grid.cols(), 2);
    QCOMPARE(columnTexts(grid, 1), texts);
    QCOMPARE(columnTexts(grid, 0), QStringList(texts.size(), QString()));
    QCOMPARE(phraseTexts, texts);
}

void TestPhraseFile::saves() {
    GridModel grid;
    grid.setCols(2);
    grid.setAllTexts({{"", u"日記"_qs}, {"", u" メール "_qs}, {"", "  "}, {"", u" おはよう"_qs}});
    QVERIFY(savePhraseFile(path(), grid));
    const QByteArray pLine = '"' + cp932bytes::kPlaceholder + "\"\r\n";
    QCOMPARE(readBytes(path()), pLine + pLine + "\" " + cp932bytes::kOhayou + "\"\r\n");
    QVERIFY(!savePhraseFile(m_dir.path(), grid));
}

void TestPhraseFile::relabelledListRoundTrips() {
    QVERIFY(writeBytes(path(), "\"" + cp932bytes::kOhayou + "\"\r\n\"1\"\r\n"));
    GridModel grid;
    QStringList texts;
    for (int pass = 0; pass < 2; ++pass) {
        loadPhraseFile(path(), grid, texts);
        fillPhraseIndex(grid);
        grid.setText(0, 1, kDiaryRowLabel);
        grid.setText(1, 1, kMailRowLabel);
        QVERIFY(savePhraseFile(path(), grid));
    }
    QCOMPARE(columnTexts(grid, 1),
             (QStringList{kDiaryRowLabel, kMailRowLabel, "1", u"おはよう"_qs}));
}

QTEST_GUILESS_MAIN(TestPhraseFile)
#include "phrase_file_test.moc"
