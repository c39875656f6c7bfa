#include "file_fixtures.h"
#include "platform/clip_cache.h"
#include "platform/wav_clip.h"
#include "wav_file.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

template <typename T> QByteArray le(T v) {
    v = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char*>(&v), sizeof v);
}
QByteArray chunk(const QByteArray& id, const QByteArray& body) {
    return id + le<quint32>(quint32(body.size())) + body +
           (body.size() % 2 ? QByteArray(1, '\0') : "");
}
QByteArray fmtBody(quint16 format, quint16 channels, quint32 rate, quint16 bits) {
    const quint16 block = quint16(channels * bits / 8);
    return le<quint16>(format) + le<quint16>(channels) + le<quint32>(rate) +
           le<quint32>(rate * block) + le<quint16>(block) + le<quint16>(bits);
}
QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le<quint32>(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

} // namespace

// WAV files as recorders and synthesizers write them, read down to the
// samples an output stream takes.
class TestWavClip : public QObject {
    Q_OBJECT
private slots:
    void parses_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("sample");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QByteArray>("pcm");
        const QByteArray six("\x01\x02\x03\x04\x05\x06", 6);
        QTest::newRow("8-bit, odd data padded")
            << riff(chunk("fmt ", fmtBody(1, 1, 8000, 8)) + chunk("data", "abc"))
            << int(WavClip::Sample::U8) << 1 << 8000 << QByteArray("abc");
        QTest::newRow("24-bit stereo, a partial frame dropped")
            << riff(chunk("fmt ", fmtBody(1, 2, 48000, 24)) + chunk("data", six + "xy"))
            << int(WavClip::Sample::S24) << 2 << 48000 << six;
        QTest::newRow("float after a list chunk of odd length")
            << riff(chunk("fmt ", fmtBody(3, 1, 44100, 32)) + chunk("LIST", "odd") +
                    chunk("data", "abcd"))
            << int(WavClip::Sample::Float32) << 1 << 44100 << QByteArray("abcd");
        // WAVE_FORMAT_EXTENSIBLE names the encoding in its sub-format.
        QByteArray extensible = fmtBody(0xFFFE, 2, 16000, 16) + le<quint16>(22) + le<quint16>(16) +
                                le<quint32>(3) + le<quint16>(1) + QByteArray(14, '\x10');
        QTest::newRow("extensible PCM")
            << riff(chunk("fmt ", extensible) + chunk("data", "abcd")) << int(WavClip::Sample::S16)
            << 2 << 16000 << QByteArray("abcd");
        QTest::newRow("data shorter than its header says")
            << riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + "data" + le<quint32>(100) + "abcde")
            << int(WavClip::Sample::S16) << 1 << 22050 << QByteArray("abcd");
    }
    void parses() {
        QFETCH(QByteArray, file);
        QFETCH(int, sample);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(QByteArray, pcm);
        const auto clip = WavClip::parse(file);
        QVERIFY(clip);
        QCOMPARE(int(clip->sample), sample);
        QCOMPARE(clip->channels, channels);
        QCOMPARE(clip->rate, rate);
        QCOMPARE(clip->pcm, pcm);
        QVERIFY(clip->complete);
    }

    void refuses_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not RIFF") << QByteArray("RIFX\0\0\0\0WAVE", 12);
        QTest::newRow("ADPCM") << riff(chunk("fmt ", fmtBody(2, 1, 22050, 4)) +
                                       chunk("data", "abcd"));
        QTest::newRow("12-bit") << riff(chunk("fmt ", fmtBody(1, 1, 22050, 12)) +
                                        chunk("data", "abcd"));
        QTest::newRow("no channel")
            << riff(chunk("fmt ", fmtBody(1, 0, 22050, 16)) + chunk("data", "abcd"));
        QTest::newRow("data before fmt")
            << riff(chunk("data", "abcd") + chunk("fmt ", fmtBody(1, 1, 22050, 16)));
        QTest::newRow("no data") << riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)));
        QTest::newRow("truncated fmt") << riff("fmt " + le<quint32>(16) + "abc");
    }
    void refuses() {
        QFETCH(QByteArray, file);
        QVERIFY(!WavClip::parse(file));
    }

    // The beginning keeps whole frames; a clip shorter than it stays whole.
    void beginning() {
        WavClip clip{WavClip::Sample::S16, 2, 1000, QByteArray(400, 'x'), true};
        const WavClip first = clip.beginning(20);
        QCOMPARE(first.pcm.size(), 80); // 20 frames of 4 bytes
        QVERIFY(!first.complete);
        QVERIFY(first.sameFormat(clip));
        QVERIFY(clip.beginning(500).complete);
        QCOMPARE(clip.beginning(500).pcm.size(), 400);
    }

    // A recording replaced after it was prepared (a new take kept in its
    // place) is not served from the old beginning; preparing again reads
    // the new one.
    void preparedBeginningServesOnlyItsOwnFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("あ.wav");
        QVERIFY(writeSineWav(path, 300, 22050));
        ClipCache cache;
        cache.prepare({path});
        cache.waitForPrepared();
        QVERIFY(cache.beginning(path));
        QCOMPARE(cache.beginning(path)->rate, 22050);

        const QString take = dir.filePath("take.wav");
        QVERIFY(writeSineWav(take, 300, 16000));
        QVERIFY(QFile::remove(path) && QFile::rename(take, path));
        QVERIFY(!cache.beginning(path));
        cache.prepare({path});
        cache.waitForPrepared();
        QVERIFY(cache.beginning(path));
        QCOMPARE(cache.beginning(path)->rate, 16000);
    }
};

QTEST_GUILESS_MAIN(TestWavClip)
#include "wav_clip_test.moc"
