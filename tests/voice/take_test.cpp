#include "file_fixtures.h"
#include "tone.h"
#include "voice/take.h"
#include "voice/take_files.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

// Trimming and judging takes on made-up sound, and the files a kept take
// replaces and restores.
class TakeTest : public QObject {
    Q_OBJECT
    static constexpr int kRate = 8000;

private slots:
    // Silence goes from both ends but for a margin; a click in the silence
    // does not count as sound; the meter reads loudness in decibels.
    void trimsSilenceAtBothEnds() {
        QList<qint16> heard = silence(400, kRate);
        heard[100] = 30000; // a click
        heard += tone(300, kRate);
        heard += silence(500, kRate);
        const Take take = Take(heard, kRate).trimmed();
        QCOMPARE(take.milliseconds(), 300 + 2 * Take::kMarginMs);
        QCOMPARE(take.verdict(), Take::Verdict::Good);
        QCOMPARE(take.samples().mid(Take::kMarginMs * kRate / 1000, 100),
                 tone(300, kRate).mid(0, 100));

        QCOMPARE(Take::level(silence(10, kRate)), 0);
        QCOMPARE(Take::level({32767}), 100);
        QCOMPARE(Take::level({33}), 0); // -60 dB
        QCOMPARE(Take::level({328}), 33);
    }

    void refusesSilentAndShortTakes() {
        QCOMPARE(Take(silence(2000, kRate), kRate).trimmed().verdict(), Take::Verdict::Silent);
        QCOMPARE(Take(tone(1000, kRate, 200), kRate).trimmed().verdict(), Take::Verdict::Silent);
        QCOMPARE(Take({}, kRate).trimmed().verdict(), Take::Verdict::Silent);
        const QList<qint16> blip = silence(500, kRate) + tone(60, kRate) + silence(500, kRate);
        QCOMPARE(Take(blip, kRate).trimmed().verdict(), Take::Verdict::TooShort); // 160 ms
        const QList<qint16> word = silence(500, kRate) + tone(100, kRate) + silence(500, kRate);
        QCOMPARE(Take(word, kRate).trimmed().verdict(), Take::Verdict::Good); // 200 ms
    }

    void storedAsMono16BitWav() {
        const QByteArray wav = Take({1, -2, 3}, 22050).wav();
        QCOMPARE(wav.size(), 44 + 6);
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(wav.mid(20, 4), QByteArray::fromHex("01000100")); // PCM, one channel
        QCOMPARE(wav.mid(24, 4), QByteArray::fromHex("22560000")); // 22050
        QCOMPARE(wav.mid(34, 2), QByteArray::fromHex("1000"));     // 16 bits
        QCOMPARE(wav.mid(40), QByteArray::fromHex("06000000 0100 feff 0300"));
    }

    // A kept take makes the file it replaces the one backup; restoring swaps
    // them, so nothing is ever lost by a bad take or a restore.
    void keepsOneBackupAndRestores() {
        QTemporaryDir dir;
        const QString path = dir.filePath("phrases/おはよう.wav");
        QVERIFY(!take_files::hasBackup(path));
        QVERIFY(take_files::keep(path, "first"));
        QVERIFY(!take_files::hasBackup(path)); // nothing was replaced
        QVERIFY(!take_files::restore(path));
        QVERIFY(take_files::keep(path, "second"));
        QVERIFY(take_files::keep(path, "third"));
        QCOMPARE(readBytes(path), QByteArray("third"));
        QCOMPARE(readBytes(path + ".bak"), QByteArray("second"));
        QVERIFY(take_files::restore(path));
        QCOMPARE(readBytes(path), QByteArray("second"));
        QCOMPARE(readBytes(path + ".bak"), QByteArray("third"));

        // A backup whose recording has gone comes back and leaves no backup.
        QVERIFY(QFile::remove(path));
        QVERIFY(take_files::restore(path));
        QCOMPARE(readBytes(path), QByteArray("third"));
        QVERIFY(!take_files::hasBackup(path));

        // A recording that cannot be replaced stays as it was.
        QVERIFY(QDir(dir.path()).mkdir("あ.wav"));
        QVERIFY(!take_files::keep(dir.filePath("あ.wav"), "take"));
        QVERIFY(QFileInfo(dir.filePath("あ.wav")).isDir());
    }
};

QTEST_GUILESS_MAIN(TakeTest)
#include "take_test.moc"
