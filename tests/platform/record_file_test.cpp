#include "file_fixtures.h"
#include "platform/cp932_codec.h"
#include "platform/record_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestRecordFile : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
    static bool write(const QString& path, const QStringList& texts) {
        RecordFile file(path);
        return file.write(file.encode(texts));
    }
    static QStringList read(const QString& path) { return RecordFile(path).read(); }
    // The names in a folder, to see that a save left nothing behind.
    static QStringList names(const QString& folder) {
        QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                                   QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }

private slots:
    void codec_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("exact"); // the text encodes back to the bytes
        QTest::newRow("wave dash") << QByteArray("\x81\x60") << u"～"_qs << true;
        QTest::newRow("NEC and IBM") << QByteArray("\x87\x40\xFB\xFC") << u"①髙"_qs << true;
        QTest::newRow("NEC-selected IBM") << QByteArray("\xED\x40") << u"纊"_qs << false;
        QTest::newRow("lead before ASCII") << QByteArray("a\x81 b") << u"a\uFFFD b"_qs << false;
        QTest::newRow("cut off") << cp932bytes::kHare + "\x82" << u"晴れ\uFFFD"_qs << false;
    }
    void codec() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, exact);
        bool decodedExact = !exact;
        QCOMPARE(cp932::decode(bytes, &decodedExact), text);
        QCOMPARE(decodedExact, exact);
        QCOMPARE(cp932::encode(text) == bytes, exact);
    }

    void readsLineEnds() {
        // CR LF and a lone CR end a line; a lone LF is part of it, and a lead
        // byte cut off by the line end must not swallow the CR.
        QVERIFY(writeBytes(path("lines.txt"), "a\r\nb\rc\nd\r\n\r\n\x82\r\nx"));
        QCOMPARE(read(path("lines.txt")), (QStringList{"a", "b", "c\nd", u"\uFFFD"_qs, "x"}));
        QCOMPARE(read(path("missing.txt")), QStringList());
        // A file without any CR was edited where lines end in LF; it is saved
        // with CR LF.
        QVERIFY(writeBytes(path("lf.txt"), "\"" + cp932bytes::kOhayou + "\"\n\n\"b\"\n\"c\""));
        RecordFile lf(path("lf.txt"));
        const QStringList records = lf.read();
        QCOMPARE(records, (QStringList{u"おはよう"_qs, "b", "c"}));
        QVERIFY(lf.write(lf.encode(records)));
        QCOMPARE(readBytes(path("lf.txt")),
                 "\"" + cp932bytes::kOhayou + "\"\r\n\"b\"\r\n\"c\"\r\n");
    }

    void writes() {
        // One "?" per character the code page lacks, a surrogate pair included,
        // and each such character named once.
        RecordFile file(path("out.txt"));
        const RecordFile::Encoded encoded =
            file.encode({u"おはよう"_qs, QString(), u"～ a😀éb😀"_qs});
        QCOMPARE(encoded.lost, u"😀é"_qs);
        QVERIFY(file.write(encoded));
        QCOMPARE(readBytes(path("out.txt")),
                 "\"" + cp932bytes::kOhayou + "\"\r\n\"\"\r\n\"\x81\x60 a??b?\"\r\n");
        QCOMPARE(RecordFile::asStored(u"caf\u00E9😀"_qs), QString("caf??"));
        // A line break inside a text must not split its record.
        QVERIFY(write(path("records.txt"), {"a\r\nb", "c\rd"}));
        QCOMPARE(readBytes(path("records.txt")), QByteArray("\"a\nb\"\r\n\"c\nd\"\r\n"));
        QVERIFY(writeBytes(path("records.txt"), "\"a\"b\"\r\n   \r\n\"\"\r\n\" x \"\r\n"));
        QCOMPARE(read(path("records.txt")), (QStringList{"ab", "", " x "}));
    }

    // Records nobody changed are written back with the bytes they were read
    // with: bytes that are no code page 932, and the NEC form of a character,
    // also when the list has trimmed or re-spaced them; a changed record is
    // encoded anew.
    void keepsTheBytesOfUnchangedRecords() {
        const QByteArray damaged = "\"26.12.04 \x82\xA0\x85 x\"\r\n";
        const QByteArray nec = "\" \xED\x40 \"\r\n";
        const QByteArray twins = "\"\x81 a\"\r\n\"\x85 a\"\r\n";
        QVERIFY(writeBytes(path("kept.txt"), damaged + nec + twins + "\"plain\"\r\n"));
        RecordFile file(path("kept.txt"));
        QStringList records = file.read();
        QCOMPARE(records.at(0), u"26.12.04 あ\uFFFD x"_qs);
        const RecordFile::Encoded unchanged = file.encode(records);
        QVERIFY(unchanged.lost.isEmpty());
        QVERIFY(file.write(unchanged));
        QCOMPARE(readBytes(path("kept.txt")), damaged + nec + twins + "\"plain\"\r\n");

        records = file.read();
        records[0] = u"26.12.04  あ\uFFFD x "_qs; // re-spaced only
        records[1] = u"纊"_qs;                    // trimmed
        records[3] = u"\uFFFD b"_qs;              // changed
        records[4] = u"plain2"_qs;
        const RecordFile::Encoded changed = file.encode(records);
        QCOMPARE(changed.lost, u"\uFFFD"_qs);
        QVERIFY(file.write(changed));
        QCOMPARE(readBytes(path("kept.txt")),
                 "\"26.12.04  \x82\xA0\x85 x \"\r\n\"\xED\x40\"\r\n\"\x81 a\"\r\n\"? b\"\r\n"
                 "\"plain2\"\r\n");
    }

    // Every save keeps the previous versions, newest first, five of them; a
    // link is written through, and stays a link. A generation that cannot
    // move up fails the save before anything is replaced.
    void keepsFiveGenerations() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("real"));
        QVERIFY(writeBytes(dir.filePath("real/Talk.txt"), "\"0\"\r\n"));
        const QString name = dir.filePath("Talk.txt");
        QCOMPARE(::symlink("real/Talk.txt", QFile::encodeName(name).constData()), 0);
        for (int save = 1; save <= 7; ++save)
            QVERIFY(write(name, {QString::number(save)}));
        QVERIFY(QFileInfo(name).isSymLink());
        QCOMPARE(read(name), QStringList{"7"});
        QStringList generations{"Talk.txt"};
        for (int generation = 1; generation <= 5; ++generation) {
            generations.append(QStringLiteral("Talk.txt.%1").arg(generation));
            QCOMPARE(read(dir.filePath("real/" + generations.last())),
                     QStringList{QString::number(7 - generation)});
        }
        QCOMPARE(names(dir.filePath("real")), generations);

        QVERIFY(QFile::remove(dir.filePath("real/Talk.txt.5")));
        QVERIFY(QDir(dir.path()).mkpath("real/Talk.txt.5/full"));
        QVERIFY(!write(name, {"new"}));
        QCOMPARE(read(name), QStringList{"7"});
        QCOMPARE(read(dir.filePath("real/Talk.txt.4")), QStringList{"3"});
        QCOMPARE(names(dir.filePath("real")), generations);
    }

    // Temporary files of saves cut off by a crash go: exactly the save's own
    // names, of the files named, older than the start.
    void removesStrayTemporaries() {
        QTemporaryDir dir;
        const QStringList stray{"Talk.txt.Ab3xYz", "Talk.txt.000000", "day.txt.q9Z0aB"};
        const QStringList kept{"Talk.txt",       "Talk.txt.1",      "Talk.txt.Ab3xYzz",
                               "Talk.txt.Ab3x",  "mail.txt.Ab3xYz", "Talk.txt.Ab3_Yz",
                               "Talk.txtAb3xYz", "Talk.txt.newer1"};
        for (const QString& name : stray + kept)
            QVERIFY(writeBytes(dir.filePath(name), "x"));
        const QDateTime start = QDateTime::currentDateTime().addSecs(-10);
        for (const QString& name : stray + kept.mid(0, 7)) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(start.addSecs(-60), QFileDevice::FileModificationTime));
        }
        safe_file::removeStrayTemporaries({dir.filePath("Talk.txt"), dir.filePath("day.txt")},
                                          start);
        QStringList expected = kept;
        expected.sort();
        QCOMPARE(names(dir.path()), expected);
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "record_file_test.moc"
