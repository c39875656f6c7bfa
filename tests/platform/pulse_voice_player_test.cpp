#include "platform/pulse_voice_player.h"
#include "wav_file.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <cstdlib>
#include <pulse/simple.h>
#include <thread>

namespace {

// Listens to the null sink of the test's sound server and keeps the loudest
// sample of each 10 ms, so that a test can tell which clip sounds when.
class SinkMonitor {
public:
    SinkMonitor() {
        const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, 44100, 1};
        pa_buffer_attr attr{};
        attr.maxlength = uint32_t(-1);
        attr.fragsize = kBlockBytes;
        m_stream = pa_simple_new(nullptr, "pulse_voice_player_test", PA_STREAM_RECORD,
                                 "null.monitor", "monitor", &sampleFormat, nullptr, &attr, nullptr);
        if (m_stream)
            m_thread = std::thread([this] { listen(); });
    }
    ~SinkMonitor() {
        m_running = false;
        if (m_thread.joinable())
            m_thread.join();
        if (m_stream)
            pa_simple_free(m_stream);
    }
    bool isListening() const { return m_stream; }

    // Waits until a block is at least this loud; false when none was.
    bool waitForLevel(int atLeast) const {
        return QTest::qWaitFor([this, atLeast] { return m_level >= atLeast; }, 3000);
    }
    // Waits until the sink has been silent for quietMs; false when it was not
    // within three seconds.
    bool waitForSilence(int quietMs) const {
        QElapsedTimer quiet;
        quiet.start();
        return QTest::qWaitFor(
            [&] {
                if (m_level > kSilence)
                    quiet.restart();
                return quiet.elapsed() >= quietMs;
            },
            3000);
    }
    // The milliseconds from now until the sink falls silent.
    qint64 soundingFor() const {
        QElapsedTimer timer;
        timer.start();
        (void)QTest::qWaitFor([this] { return m_level <= kSilence; }, 5000);
        return timer.elapsed();
    }

private:
    static constexpr size_t kBlockBytes = 441 * 2;
    static constexpr int kSilence = 200;

    void listen() {
        std::vector<qint16> block(kBlockBytes / 2);
        while (m_running) {
            if (pa_simple_read(m_stream, block.data(), kBlockBytes, nullptr) < 0)
                return;
            int loudest = 0;
            for (const qint16 sample : block)
                loudest = std::max(loudest, std::abs(int(sample)));
            m_level = loudest;
        }
    }

    pa_simple* m_stream = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_running{true};
    std::atomic<int> m_level{0};
};

} // namespace

// Plays real WAV files through the test's sound server (a null sink), and
// listens to what the sink receives.
class TestPulseVoicePlayer : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<SinkMonitor> m_monitor;

    QString clip(const QString& name, int milliseconds, int amplitude, int rate = 22050,
                 int channels = 1) {
        const QString path = m_dir.filePath(name);
        if (!writeSineWav(path, milliseconds, rate, 440.0, amplitude, channels))
            qFatal("the test recording could not be written");
        return path;
    }
    static void startAndConnect(PulseVoicePlayer& player) {
        player.start();
        QTRY_VERIFY_WITH_TIMEOUT(player.isConnected(), 5000);
    }

private slots:
    void init() {
        m_monitor = std::make_unique<SinkMonitor>();
        if (!m_monitor->isListening())
            QSKIP("no sound server with a null sink");
        QVERIFY(m_monitor->waitForSilence(100));
    }
    void cleanup() { m_monitor.reset(); }

    // A play asked for before the connection starts once it is up; the clip
    // sounds to its end and the stream then rests.
    void playsTheClipToItsEnd() {
        PulseVoicePlayer player;
        player.play(clip("あ.wav", 400, 8000));
        startAndConnect(player);
        QVERIFY(m_monitor->waitForLevel(4000));
        QVERIFY(player.isSounding());
        QVERIFY(m_monitor->waitForSilence(200));
        QTRY_VERIFY(!player.isSounding());
    }

    // A newer play cuts the one sounding short, in another format too; stop()
    // and a recording that does not exist both silence the player.
    void newerPlayStopAndMissingFileCutTheSound() {
        PulseVoicePlayer player;
        startAndConnect(player);
        const QString quietLong = clip("long.wav", 4000, 6000);
        player.play(quietLong);
        QVERIFY(m_monitor->waitForLevel(3000));
        player.play(clip("short.wav", 300, 20000, 48000, 2));
        QVERIFY(m_monitor->waitForLevel(15000));
        // The long clip would sound for almost four seconds more.
        QVERIFY(m_monitor->soundingFor() < 1500);

        player.play(quietLong);
        QVERIFY(m_monitor->waitForLevel(3000));
        player.stop();
        QVERIFY(m_monitor->soundingFor() < 1500);
        player.play(quietLong);
        QVERIFY(m_monitor->waitForLevel(3000));
        player.play(m_dir.filePath("missing.wav"));
        QVERIFY(m_monitor->soundingFor() < 1500);
        QVERIFY(!player.isSounding());
    }

    // Of a prepared recording only the beginning is held, yet the whole of it
    // sounds; recordings no longer named are let go.
    void preparedRecordingSoundsWhole() {
        PulseVoicePlayer player;
        const QString a = clip("a.wav", 900, 8000);
        const QString b = clip("b.wav", 900, 8000);
        player.prepare({a});
        startAndConnect(player);
        player.clips().waitForPrepared();
        const qint64 beginningBytes = 22050 * ClipCache::kBeginningMs / 1000 * 2;
        QCOMPARE(player.clips().bytes(), beginningBytes);
        player.play(a);
        QVERIFY(m_monitor->waitForLevel(4000));
        QVERIFY(m_monitor->soundingFor() > 600);
        player.prepare({b});
        player.clips().waitForPrepared();
        QVERIFY(!player.clips().beginning(a));
        QVERIFY(player.clips().beginning(b));
    }
};

QTEST_MAIN(TestPulseVoicePlayer)
#include "pulse_voice_player_test.moc"
