#include "file_fixtures.h"
#include "lists/kana_index.h"
#include "lists/phrase_file.h"
#include "platform/record_file.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class TestPhraseFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("Talk.txt"); }
    const QByteArray pLine = '"' + cp932bytes::kPlaceholder + "\"\r\n";

private slots:
    // Fewer than two placeholders: the missing ones come first.
    void loads_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("texts");
        const QString p = kPhrasePlaceholder;
        QTest::newRow("records") << pLine + pLine + "\"" + cp932bytes::kOhayou +
                                        "\"\r\n \r\n\"a\"b\"\r\n\"  x  \"\r\n\"\"\r\n"
                                 << QStringList{p, p, u"おはよう"_qs, "ab", "x", ""};
        QTest::newRow("missing file") << QByteArray() << QStringList{p, p};
        QTest::newRow("one placeholder") << "\"x\"\r\n" + pLine << QStringList{p, "x", p};
    }
    void loads() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, texts);
        QFile::remove(path());
        if (!bytes.isEmpty())
            QVERIFY(writeBytes(path(), bytes));
        GridModel grid;
        QStringList phraseTexts{"stale"};
        RecordFile file(path());
        loadPhraseFile(file, grid, phraseTexts);
        QCOMPARE(columnTexts(grid, 1), texts);
        QCOMPARE(phraseTexts, texts);
    }

    void saves() {
        GridModel grid;
        grid.setCols(2);
        grid.setAllTexts(
            {{"", u"日記"_qs}, {"", u" メール "_qs}, {"", "  "}, {"", u" おはよう"_qs}});
        QCOMPARE(phraseRecords(grid),
                 (QStringList{kPhrasePlaceholder, kPhrasePlaceholder, u" おはよう"_qs}));
    }

    // A phrase sorting before the placeholder survives relabelling and saving.
    void relabelledListRoundTrips() {
        QVERIFY(writeBytes(path(), "\"" + cp932bytes::kOhayou + "\"\r\n\"1\"\r\n"));
        GridModel grid;
        QStringList texts;
        RecordFile file(path());
        for (int pass = 0; pass < 2; ++pass) {
            loadPhraseFile(file, grid, texts);
            fillPhraseIndex(grid);
            grid.setText(0, 1, kDiaryRowLabel);
            grid.setText(1, 1, kMailRowLabel);
            QVERIFY(file.write(file.encode(phraseRecords(grid))));
        }
        QCOMPARE(columnTexts(grid, 1),
                 (QStringList{kDiaryRowLabel, kMailRowLabel, "1", u"おはよう"_qs}));
    }

    // The phrase book shipped for the first start.
    void starterBookHasCommandRowsAndDistinctPhrases() {
        GridModel grid;
        QStringList texts;
        RecordFile starter(TALK_STARTER_PHRASES);
        loadPhraseFile(starter, grid, texts);
        fillPhraseIndex(grid);
        QVERIFY2(grid.rows() >= 90, qPrintable(QString::number(grid.rows())));
        QCOMPARE(grid.text(0, 1), kPhrasePlaceholder);
        QCOMPARE(grid.text(1, 1), kPhrasePlaceholder);
        QSet<QString> seen{kPhrasePlaceholder, QString()};
        for (int row = 2; row < grid.rows(); ++row) {
            QVERIFY2(!seen.contains(grid.text(row, 1)), qPrintable(grid.text(row, 1)));
            seen.insert(grid.text(row, 1));
        }
    }
};

QTEST_GUILESS_MAIN(TestPhraseFile)
#include "phrase_file_test.moc"
