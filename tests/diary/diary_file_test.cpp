#include "diary/diary_file.h"
#include "file_fixtures.h"
#include "platform/colors.h"

#include <QTemporaryDir>
#include <QtTest>

class TestDiaryFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("day.txt"); }

private slots:
    // A row for today comes first unless the first record is dated today.
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
                                      << QStringList{"26.12.05|", "26.12.01|a", "26.12.05|b"};
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
        loadDiaryFile(path(), grid, QDate(2026, 12, 5));
        QStringList loaded;
        for (int row = 0; row < grid.rows(); ++row)
            loaded.append(grid.text(row, 0) + '|' + grid.text(row, 1));
        QCOMPARE(loaded, rows);
    }

    void selectsAndSaves() {
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
};

QTEST_GUILESS_MAIN(TestDiaryFile)
#include "diary_file_test.moc"
