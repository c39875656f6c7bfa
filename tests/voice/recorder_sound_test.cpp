#include "file_fixtures.h"
#include "platform/qt_audio_input.h"
#include "platform/qt_voice_player.h"
#include "text/recording_names.h"
#include "voice/recorder.h"
#include "voice/take_files.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

// The recorder on the machine's real sound: the default audio input (in the
// test run a sine source of the sound server) and the WAV player.
class RecorderSoundTest : public QObject {
    Q_OBJECT
private slots:
    // A take from the microphone is kept under the character's name, plays,
    // and its backup brings the former recording back.
    void recordsKeepsPlaysAndRestores() {
        QtAudioInput microphone;
        if (!microphone.available())
            QSKIP("no audio input");
        QtVoicePlayer player;
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
        recorder.playTake();
        QTRY_COMPARE(player.effect().status(), QSoundEffect::Ready);

        QVERIFY(recorder.keep(path));
        QCOMPARE(readBytes(take_files::backupPath(path)), QByteArray("former"));
        player.play(path);
        QTRY_COMPARE(player.effect().status(), QSoundEffect::Ready);
        QTRY_VERIFY(player.effect().isPlaying());
        player.stop();

        QVERIFY(take_files::restore(path));
        QCOMPARE(readBytes(path), QByteArray("former"));
    }
};

QTEST_MAIN(RecorderSoundTest)
#include "recorder_sound_test.moc"
