#include "file_fixtures.h"
#include "platform/cp932_codec.h"
#include "platform/text_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestTextFile : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void codec_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("roundTrip");
        QTest::newRow("wave dash") << QByteArray("\x81\x60") << u"～"_qs << true;
        QTest::newRow("NEC and IBM") << QByteArray("\x87\x40\xFB\xFC") << u"①髙"_qs << true;
        QTest::newRow("lead before ASCII") << QByteArray("a\x81 b") << u"a\uFFFD b"_qs << false;
        QTest::newRow("cut off") << cp932bytes::kHare + "\x82" << u"晴れ\uFFFD"_qs << false;
    }

    void codec() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, roundTrip);
        QCOMPARE(cp932::decode(bytes), text);
        if (roundTrip)
            QCOMPARE(cp932::encode(text), bytes);
    }

    void readsLineEnds() {
        // CR LF and a lone CR end a line; a lone LF is part of it, and a lead
        // byte cut off by the line end must not swallow the CR.
        QVERIFY(writeBytes(path("lines.txt"), "a\r\nb\rc\nd\r\n\r\n\x82\r\nx"));
        QCOMPARE(readRecords(path("lines.txt")),
                 (QStringList{"a", "b", "c\nd", u"\uFFFD"_qs, "x"}));
        QCOMPARE(readRecords(path("missing.txt")), QStringList());
    }

    void writesAtomically() {
        // One "?" per character the code page lacks, a surrogate pair included.
        const QStringList lines{u"おはよう"_qs, QString(), u"～ a😀€b"_qs};
        QVERIFY(writeRecords(path("out.txt"), lines));
        QCOMPARE(readBytes(path("out.txt")),
                 "\"" + cp932bytes::kOhayou + "\"\r\n\"\"\r\n\"\x81\x60 a??b\"\r\n");
        // A folder where the file should be: the save fails and says so.
        QVERIFY(QDir(m_dir.path()).mkdir("folder.txt"));
        QVERIFY(!writeRecords(path("folder.txt"), lines));
        QVERIFY(QFileInfo(path("folder.txt")).isDir());
    }

    void records() {
        QVERIFY(writeBytes(path("records.txt"), "\"a\"b\"\r\n   \r\n\"\"\r\n\" x \"\r\n"));
        QCOMPARE(readRecords(path("records.txt")), (QStringList{"ab", "", " x "}));
        // A line break inside a text must not split its record.
        QVERIFY(writeRecords(path("records.txt"), {"a\r\nb", "c\rd"}));
        QCOMPARE(readBytes(path("records.txt")), QByteArray("\"a\nb\"\r\n\"c\nd\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "text_file_test.moc"
