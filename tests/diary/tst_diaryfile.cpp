#include "byte_file.h"
#include "diary/diary_file.h"
#include "platform/colors.h"
#include "platform/grid_model.h"

#include <QTemporaryDir>
#include <QtTest>

using Rows = QList<QStringList>;

class TestDiaryFile : public QObject {
    Q_OBJECT
private slots:
    void formatsDates();
    void offersTodayRow_data();
    void offersTodayRow();
    void selectsNewestFirst();
    void savesEveryRowWithOpenedText();

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("day.txt"); }
    const QDate m_today{2026, 12, 5};
    static Rows rows(const GridModel& grid) {
        Rows result;
        for (int row = 0; row < grid.rows(); ++row)
            result.append({grid.text(row, 0), grid.text(row, 1)});
        return result;
    }
};

void TestDiaryFile::formatsDates() {
    QCOMPARE(diaryDate(QDate(2026, 12, 5)), "26.12.05");
    QCOMPARE(diaryDate(QDate(2003, 1, 9)), "03.01.09");
}

void TestDiaryFile::offersTodayRow_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Rows>("loaded");
    const QString hare = u"晴れ"_qs;
    QTest::newRow("first record today")
        << "\"26.12.05 " + cp932bytes::kHare + "\"\r\n\"26.12.04 x\"\r\n"
        << Rows{{"26.12.05", hare}, {"26.12.04", "x"}};
    QTest::newRow("first record earlier") << "\"26.12.04  " + cp932bytes::kHare + " \"\r\n"
                                          << Rows{{"26.12.05", ""}, {"26.12.04", hare}};
    QTest::newRow("oldest first") << QByteArray("\"26.12.01 a\"\r\n\"26.12.05 b\"\r\n")
                                  << Rows{{"26.12.05", ""}, {"26.12.01", "a"}, {"26.12.05", "b"}};
    QTest::newRow("empty text keeps its row")
        << QByteArray("\"26.12.05 \"\r\n") << Rows{{"26.12.05", ""}};
    QTest::newRow("blank file") << QByteArray("\r\n \r\n") << Rows{{"26.12.05", ""}};
    QTest::newRow("missing file") << QByteArray() << Rows{{"26.12.05", ""}};
}

void TestDiaryFile::offersTodayRow() {
    QFETCH(QByteArray, bytes);
    QFETCH(Rows, loaded);
    QFile::remove(path());
    if (!bytes.isEmpty())
        QVERIFY(writeBytes(path(), bytes));
    GridModel grid;
    loadDiaryFile(path(), grid, m_today);
    QCOMPARE(grid.cols(), 2);
    QCOMPARE(rows(grid), loaded);
}

void TestDiaryFile::selectsNewestFirst() {
    QVERIFY(writeBytes(path(), "\"26.11.30 a\"\r\n\"26.12.04 b\"\r\n"));
    GridModel grid;
    loadDiaryFile(path(), grid, m_today);
    selectFirstDiaryRow(grid);
    QCOMPARE(rows(grid), (Rows{{"26.12.05", ""}, {"26.12.04", "b"}, {"26.11.30", "a"}}));
    QCOMPARE(grid.color(0, 0), bgrColor(colors::kWhite));
    QCOMPARE(grid.color(0, 1), bgrColor(colors::kHighlight));
    QCOMPARE(grid.color(1, 1), bgrColor(colors::kWhite));
}

void TestDiaryFile::savesEveryRowWithOpenedText() {
    QVERIFY(writeBytes(path(), "\"26.12.04 \"\r\n\"26.12.03 " + cp932bytes::kHare + "\"\r\n"));
    GridModel grid;
    loadDiaryFile(path(), grid, m_today);
    selectFirstDiaryRow(grid);
    QVERIFY(saveDiaryFile(path(), grid, 0, u"雨"_qs));
    QCOMPARE(readBytes(path()), "\"26.12.05 " + QByteArray::fromHex("894A") +
                                    "\"\r\n\"26.12.04 \"\r\n\"26.12.03 " + cp932bytes::kHare +
                                    "\"\r\n");
    QVERIFY(saveDiaryFile(path(), grid, 1, ""));
    QCOMPARE(readBytes(path()),
             "\"26.12.05 \"\r\n\"26.12.04 \"\r\n\"26.12.03 " + cp932bytes::kHare + "\"\r\n");
}

QTEST_GUILESS_MAIN(TestDiaryFile)
#include "tst_diaryfile.moc"
