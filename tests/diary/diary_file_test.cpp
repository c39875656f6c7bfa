#include "diary/diary_file.h"
#include "file_fixtures.h"
#include "platform/colors.h"

#include <QTemporaryDir>
#include <QtTest>

class TestDiaryFile : public QObject {
    Q_OBJECT
private slots:
    void offersTodayRow_data();
    void offersTodayRow();
    void selectsAndSaves();

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("day.txt"); }
    const QDate m_today{2026, 12, 5};
};

void TestDiaryFile::offersTodayRow_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("first record today")
        << "\"26.12.05 " + cp932bytes::kHare + "\"\r\n\"26.12.04 x\"\r\n"
        << QStringList{"26.12.05", "26.12.04"} << QStringList{u"晴れ"_qs, "x"};
    QTest::newRow("first record earlier")
        << QByteArray("\"26.12.04  x \"\r\n\"26.12.03 \"\r\n")
        << QStringList{"26.12.05", "26.12.04", "26.12.03"} << QStringList{"", "x", ""};
    QTest::newRow("oldest first") << QByteArray("\"26.12.01 a\"\r\n\"26.12.05 b\"\r\n")
                                  << QStringList{"26.12.05", "26.12.01", "26.12.05"}
                                  << QStringList{"", "a", "b"};
    QTest::newRow("blank file") << QByteArray(" \r\n") << QStringList{"26.12.05"}
                                << QStringList{""};
    QTest::newRow("missing file") << QByteArray() << QStringList{"26.12.05"} << QStringList{""};
}

void TestDiaryFile::offersTodayRow() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, dates);
    QFETCH(QStringList, texts);
    QFile::remove(path());
    if (!bytes.isEmpty())
        QVERIFY(writeBytes(path(), bytes));
    GridModel grid;
    loadDiaryFile(path(), grid, m_today);
    QCOMPARE(grid.cols(), 2);
    QCOMPARE(columnTexts(grid, 0), dates);
    QCOMPARE(columnTexts(grid, 1), texts);
}

void TestDiaryFile::selectsAndSaves() {
    QVERIFY(writeBytes(path(), "\"26.11.30 \"\r\n\"26.12.04 " + cp932bytes::kHare + "\"\r\n"));
    GridModel grid;
    loadDiaryFile(path(), grid, QDate(2026, 12, 5));
    selectFirstDiaryRow(grid);
    QCOMPARE(columnTexts(grid, 0), (QStringList{"26.12.05", "26.12.04", "26.11.30"}));
    QCOMPARE(grid.color(0, 0), bgrColor(colors::kWhite));
    QCOMPARE(grid.color(0, 1), bgrColor(colors::kHighlight));
    // Every row is written; an empty text keeps its space.
    QVERIFY(saveDiaryFile(path(), grid, 0, u"雨"_qs));
    QCOMPARE(readBytes(path()), "\"26.12.05 \x89\x4A\"\r\n\"26.12.04 " + cp932bytes::kHare +
                                    "\"\r\n\"26.11.30 \"\r\n");
}

QTEST_GUILESS_MAIN(TestDiaryFile)
#include "diary_file_test.moc"
