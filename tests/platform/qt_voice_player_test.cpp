#include "platform/qt_voice_player.h"
#include "wav_file.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QtTest>

// Plays a real WAV file through the default audio output (a null sink on a
// machine without a sound card).
class TestQtVoicePlayer : public QObject {
    Q_OBJECT
private slots:
    void playsTheClipToItsEnd() {
        if (QMediaDevices::audioOutputs().isEmpty())
            QSKIP("no audio output device");
        QTemporaryDir dir;
        const QString clip = dir.filePath(QStringLiteral("あ.wav"));
        QVERIFY(writeSineWav(clip));
        QtVoicePlayer player;
        player.play(clip);
        QCOMPARE(player.effect().source(), QUrl::fromLocalFile(clip));
        QTRY_COMPARE(player.effect().status(), QSoundEffect::Ready);
        QVERIFY(player.effect().isPlaying());
        // The sink consumes the clip in real time, so it ends on its own.
        QTRY_VERIFY_WITH_TIMEOUT(!player.effect().isPlaying(), 5000);
    }
};

QTEST_MAIN(TestQtVoicePlayer)
#include "qt_voice_player_test.moc"
