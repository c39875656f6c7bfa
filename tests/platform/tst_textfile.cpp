#include "byte_file.h"
#include "platform/cp932_codec.h"
#include "platform/text_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void decodesWindowsMapping_data();
    void decodesWindowsMapping();
    void invalidBytesDoNotLoseTheRest_data();
    void invalidBytesDoNotLoseTheRest();
    void unrepresentableCharactersBecomeQuestionMarks();
    void readsLineEnds_data();
    void readsLineEnds();
    void missingFileHasNoLines();
    void writesCrLfAndRoundTrips();
    void failedSaveKeepsTheOldFile();
    void recordsDropBlankLinesAndQuotes();
    void recordsKeepOneLineEach();

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
};

void TestTextFile::decodesWindowsMapping_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("wave dash is the full-width tilde") << QByteArray("\x81\x60") << u"～"_qs;
    QTest::newRow("NEC circled digit") << QByteArray("\x87\x40") << u"①"_qs;
    QTest::newRow("IBM extension kanji") << QByteArray("\xFB\xFC") << u"髙"_qs;
    QTest::newRow("half-width katakana") << QByteArray("\xB1\xB2") << u"ｱｲ"_qs;
    QTest::newRow("hiragana") << cp932bytes::kOhayou << u"おはよう"_qs;
}

void TestTextFile::decodesWindowsMapping() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(cp932::decode(bytes), text);
    QCOMPARE(cp932::encode(text), bytes);
}

void TestTextFile::invalidBytesDoNotLoseTheRest_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("lead byte before ASCII") << QByteArray("a\x81 b") << QString(u"a\uFFFD b"_qs);
    QTest::newRow("byte outside the code page")
        << QByteArray("\xFF") + cp932bytes::kHare << QString(u"\uFFFD晴れ"_qs);
    QTest::newRow("cut-off character at the end")
        << cp932bytes::kHare + QByteArray("\x82") << QString(u"晴れ\uFFFD"_qs);
    QTest::newRow("lead byte before a line end")
        << QByteArray("\x82\r\nx") << QString(u"\uFFFD\r\nx"_qs);
}

void TestTextFile::invalidBytesDoNotLoseTheRest() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(cp932::decode(bytes), text);
}

void TestTextFile::unrepresentableCharactersBecomeQuestionMarks() {
    // One "?" per character, a surrogate pair included, and nothing cut off.
    QCOMPARE(cp932::encode(u"あ😀い€う"_qs), QByteArray::fromHex("82A0 3F 82A2 3F 82A4"));
}

void TestTextFile::readsLineEnds_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb") << QStringList{"a", "b"};
    QTest::newRow("lone LF stays") << QByteArray("a\nb\r\nc") << QStringList{"a\nb", "c"};
    QTest::newRow("empty lines") << QByteArray("\r\n\r\na\r\n") << QStringList{"", "", "a"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestTextFile::readsLineEnds() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QVERIFY(writeBytes(path("lines.txt"), bytes));
    QCOMPARE(readTextLines(path("lines.txt")), lines);
}

void TestTextFile::missingFileHasNoLines() {
    QCOMPARE(readTextLines(path("missing.txt")), QStringList());
    QCOMPARE(readTextLines(m_dir.path()), QStringList());
}

void TestTextFile::writesCrLfAndRoundTrips() {
    const QStringList lines{u"おはよう"_qs, QString(), u"～ a"_qs};
    QVERIFY(writeTextLines(path("out.txt"), lines));
    QCOMPARE(readBytes(path("out.txt")),
             cp932bytes::kOhayou + "\r\n\r\n" + QByteArray("\x81\x60 a\r\n"));
    QCOMPARE(readTextLines(path("out.txt")), lines);
}

void TestTextFile::failedSaveKeepsTheOldFile() {
    QVERIFY(QDir(m_dir.path()).mkdir("folder.txt"));
    QVERIFY(!writeTextLines(path("folder.txt"), {"a"}));
    QVERIFY(QFileInfo(path("folder.txt")).isDir());
    QVERIFY(!writeTextLines(path("no/such/folder.txt"), {"a"}));
}

void TestTextFile::recordsDropBlankLinesAndQuotes() {
    QVERIFY(writeBytes(path("records.txt"), "\"a\"b\"\r\n   \r\n\"\"\r\n\" x \"\r\n"));
    QCOMPARE(readRecords(path("records.txt")), (QStringList{"ab", "", " x "}));
}

void TestTextFile::recordsKeepOneLineEach() {
    QVERIFY(writeRecords(path("records.txt"), {"a\r\nb", "c\rd", "e\nf"}));
    QCOMPARE(readBytes(path("records.txt")), QByteArray("\"a\nb\"\r\n\"c\nd\"\r\n\"e\nf\"\r\n"));
    QCOMPARE(readRecords(path("records.txt")), (QStringList{"a\nb", "c\nd", "e\nf"}));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
