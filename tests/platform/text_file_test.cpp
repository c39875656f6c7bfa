#include "file_fixtures.h"
#include "platform/cp932_codec.h"
#include "platform/text_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void codec_data();
    void codec();
    void unrepresentable();
    void readsLineEnds_data();
    void readsLineEnds();
    void writesAtomically();
    void records();

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
};

void TestTextFile::codec_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("roundTrip");
    QTest::newRow("wave dash is the full-width tilde")
        << QByteArray("\x81\x60") << u"～"_qs << true;
    QTest::newRow("NEC and IBM extensions") << QByteArray("\x87\x40\xFB\xFC") << u"①髙"_qs << true;
    QTest::newRow("kana of both widths") << cp932bytes::kOhayou + "\xB1" << u"おはようｱ"_qs << true;
    QTest::newRow("lead byte before ASCII") << QByteArray("a\x81 b") << u"a\uFFFD b"_qs << false;
    QTest::newRow("byte outside the code page")
        << "\xFF" + cp932bytes::kHare << u"\uFFFD晴れ"_qs << false;
    QTest::newRow("cut off at the end") << cp932bytes::kHare + "\x82" << u"晴れ\uFFFD"_qs << false;
}

void TestTextFile::codec() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, roundTrip);
    QCOMPARE(cp932::decode(bytes), text);
    if (roundTrip)
        QCOMPARE(cp932::encode(text), bytes);
}

void TestTextFile::unrepresentable() {
    // One "?" per character, a surrogate pair included; nothing is cut off.
    QCOMPARE(cp932::encode(u"あ😀い€う"_qs), QByteArray::fromHex("82A0 3F 82A2 3F 82A4"));
}

void TestTextFile::readsLineEnds_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF and lone CR") << QByteArray("a\r\nb\rc") << QStringList{"a", "b", "c"};
    QTest::newRow("lone LF stays") << QByteArray("a\nb\r\n") << QStringList{"a\nb"};
    QTest::newRow("empty lines") << QByteArray("\r\n\r\na\r\n") << QStringList{"", "", "a"};
    QTest::newRow("invalid lead byte before CR")
        << QByteArray("\x82\r\nx") << QStringList{u"\uFFFD"_qs, "x"};
}

void TestTextFile::readsLineEnds() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QVERIFY(writeBytes(path("lines.txt"), bytes));
    QCOMPARE(readTextLines(path("lines.txt")), lines);
    QCOMPARE(readTextLines(path("missing.txt")), QStringList());
}

void TestTextFile::writesAtomically() {
    const QStringList lines{u"おはよう"_qs, QString(), u"～ a"_qs};
    QVERIFY(writeTextLines(path("out.txt"), lines));
    QCOMPARE(readBytes(path("out.txt")), cp932bytes::kOhayou + "\r\n\r\n\x81\x60 a\r\n");
    QCOMPARE(readTextLines(path("out.txt")), lines);
    // A folder where the file should be: the save fails and says so.
    QVERIFY(QDir(m_dir.path()).mkdir("folder.txt"));
    QVERIFY(!writeTextLines(path("folder.txt"), lines));
    QVERIFY(QFileInfo(path("folder.txt")).isDir());
}

void TestTextFile::records() {
    QVERIFY(writeBytes(path("records.txt"), "\"a\"b\"\r\n   \r\n\"\"\r\n\" x \"\r\n"));
    QCOMPARE(readRecords(path("records.txt")), (QStringList{"ab", "", " x "}));
    // A line break inside a text must not split its record.
    QVERIFY(writeRecords(path("records.txt"), {"a\r\nb", "c\rd"}));
    QCOMPARE(readBytes(path("records.txt")), QByteArray("\"a\nb\"\r\n\"c\nd\"\r\n"));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "text_file_test.moc"
