#include "file_fixtures.h"
#include "platform/pulse_audio_input.h"
#include "platform/pulse_voice_player.h"
#include "text/recording_names.h"
#include "voice/recorder.h"
#include "voice/take_files.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

// The recorder on the machine's real sound: the sound server's default source
// (in the test run a sine source) and the voice player.
class RecorderSoundTest : public QObject {
    Q_OBJECT
private slots:
    // A take from the microphone is kept under the character's name, plays,
    // and its backup brings the former recording back.
    void recordsKeepsPlaysAndRestores() {
        PulseAudioInput microphone;
        if (!microphone.available())
            QSKIP("no audio input");
        PulseVoicePlayer player;
        player.start();
        Recorder recorder(microphone, player);
        QTemporaryDir dir;
        const QString path = recording_names::characterPath(dir.path(), "あ");
        QVERIFY(writeBytes(path, "former"));

        int loudest = 0;
        connect(&recorder, &Recorder::levelChanged, this,
                [&loudest](int level) { loudest = std::max(loudest, level); });
        QVERIFY(recorder.start());
        QElapsedTimer heard;
        heard.start();
        QTRY_VERIFY_WITH_TIMEOUT(loudest > 50 && heard.elapsed() > 600, 5000);
        QCOMPARE(recorder.stop(), Take::Verdict::Good);
        QCOMPARE(microphone.sampleRate(), 22050);
        recorder.playTake();
        QTRY_VERIFY(player.isSounding());
        player.stop();

        QVERIFY(recorder.keep(path));
        QCOMPARE(readBytes(take_files::backupPath(path)), QByteArray("former"));
        player.play(path);
        QTRY_VERIFY(player.isSounding());
        player.stop();
        QVERIFY(!player.isSounding());

        QVERIFY(take_files::restore(path));
        QCOMPARE(readBytes(path), QByteArray("former"));
    }
};

QTEST_MAIN(RecorderSoundTest)
#include "recorder_sound_test.moc"
