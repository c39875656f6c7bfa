#include "diary/diary_file.h"
#include "file_fixtures.h"
#include "platform/colors.h"
#include "platform/record_file.h"

#include <QTemporaryDir>
#include <QtTest>

class TestDiaryFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("day.txt"); }
    const QDate m_today{2026, 12, 5};

    static QStringList rowsOf(const GridModel& grid) {
        QStringList rows;
        for (int row = 0; row < grid.rows(); ++row)
            rows.append(grid.text(row, 0) + '|' + grid.text(row, 1));
        return rows;
    }

private slots:
    // A row for today comes first unless a record is dated today; a date
    // stored twice is one row.
    void offersTodayRow_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("rows"); // date and text, as loaded
        QTest::newRow("first record today")
            << "\"26.12.05 " + cp932bytes::kHare + "\"\r\n\"26.12.04 x\"\r\n"
            << QStringList{u"26.12.05|晴れ"_qs, "26.12.04|x"};
        QTest::newRow("first record earlier")
            << QByteArray("\"26.12.04  x \"\r\n\"26.12.03 \"\r\n")
            << QStringList{"26.12.05|", "26.12.04|x", "26.12.03|"};
        QTest::newRow("oldest first") << QByteArray("\"26.12.01 a\"\r\n\"26.12.05 b\"\r\n")
                                      << QStringList{"26.12.01|a", "26.12.05|b"};
        QTest::newRow("a date twice")
            << QByteArray("\"27.01.09 a\"\r\n\"26.12.05 \"\r\n\"26.12.04 b\"\r\n"
                          "\"26.12.05 c\"\r\n\"26.12.05 \"\r\n\"26.12.04 d\"\r\n")
            << QStringList{"27.01.09|a", "26.12.05|c", "26.12.04|b d"};
        QTest::newRow("blank file") << QByteArray(" \r\n") << QStringList{"26.12.05|"};
        QTest::newRow("missing file") << QByteArray() << QStringList{"26.12.05|"};
    }
    void offersTodayRow() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, rows);
        QFile::remove(path());
        if (!bytes.isEmpty())
            QVERIFY(writeBytes(path(), bytes));
        GridModel grid;
        RecordFile file(path());
        loadDiaryFile(file, grid, m_today);
        QCOMPARE(rowsOf(grid), rows);
    }

    void selectsAndSaves() {
        QVERIFY(writeBytes(path(), "\"26.11.30 \"\r\n\"26.12.04 " + cp932bytes::kHare + "\"\r\n"));
        GridModel grid;
        RecordFile file(path());
        loadDiaryFile(file, grid, m_today);
        QCOMPARE(selectFirstDiaryRow(grid, m_today), 0);
        QCOMPARE(columnTexts(grid, 0), (QStringList{"26.12.05", "26.12.04", "26.11.30"}));
        QCOMPARE(grid.color(0, 0), bgrColor(colors::kWhite));
        QCOMPARE(grid.color(0, 1), bgrColor(colors::kHighlight));
        // Every row is written; an empty text keeps its space.
        QCOMPARE(diaryRecords(grid, 0, u"雨"_qs),
                 (QStringList{u"26.12.05 雨"_qs, u"26.12.04 晴れ"_qs, "26.11.30 "}));
    }

    // The clock went back after a day was stored in the future: that day is
    // never taken for today, and saving twice writes each date once.
    void dayAfterTodayIsNeverToday() {
        QVERIFY(writeBytes(path(), "\"27.01.09 a\"\r\n\"26.12.04 b\"\r\n"));
        RecordFile file(path());
        for (const QString& text : {u"x"_qs, u"y"_qs}) {
            GridModel grid;
            loadDiaryFile(file, grid, m_today);
            const int today = selectFirstDiaryRow(grid, m_today);
            QCOMPARE(grid.text(today, 0), QString("26.12.05"));
            QCOMPARE(grid.color(0, 1), bgrColor(colors::kWhite));
            QVERIFY(file.write(file.encode(diaryRecords(grid, today, text))));
        }
        QCOMPARE(file.read(), (QStringList{"27.01.09 a", "26.12.05 y", "26.12.04 b"}));
    }
};

QTEST_GUILESS_MAIN(TestDiaryFile)
#include "diary_file_test.moc"
