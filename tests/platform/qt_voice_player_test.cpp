#include "platform/qt_voice_player.h"
#include "wav_file.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QtTest>

// Plays real WAV files through the default audio output (a null sink on a
// machine without a sound card).
class TestQtVoicePlayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void playsTheClipToItsEnd();
    void nextClipReplacesTheSoundingOne();
    void sameClipStartsAgain();
    void missingFileStopsAndPlaysNothing();

private:
    QTemporaryDir m_dir;
    QString m_long;
    QString m_short;
};

void TestQtVoicePlayer::initTestCase() {
    if (QMediaDevices::audioOutputs().isEmpty())
        QSKIP("no audio output device");
    QVERIFY(m_dir.isValid());
    m_long = m_dir.filePath(QStringLiteral("あ.wav"));
    m_short = m_dir.filePath(QStringLiteral("\u3000.wav"));
    QVERIFY(writeSineWav(m_long, 1500));
    QVERIFY(writeSineWav(m_short, 300, 16000, 660.0));
}

void TestQtVoicePlayer::playsTheClipToItsEnd() {
    QtVoicePlayer player;
    player.play(m_short);
    QCOMPARE(player.effect().source(), QUrl::fromLocalFile(m_short));
    QTRY_COMPARE(player.effect().status(), QSoundEffect::Ready);
    QVERIFY(player.effect().isPlaying());
    // The sink consumes the clip in real time, so it ends on its own.
    QTRY_VERIFY_WITH_TIMEOUT(!player.effect().isPlaying(), 5000);
}

void TestQtVoicePlayer::nextClipReplacesTheSoundingOne() {
    QtVoicePlayer player;
    player.play(m_long);
    QTRY_COMPARE(player.effect().status(), QSoundEffect::Ready);
    QSignalSpy playing(&player.effect(), &QSoundEffect::playingChanged);

    player.play(m_short);

    QCOMPARE(player.effect().source(), QUrl::fromLocalFile(m_short));
    QTRY_COMPARE(player.effect().status(), QSoundEffect::Ready);
    QTRY_VERIFY(player.effect().isPlaying());
    // The long clip was stopped before the short one started.
    QVERIFY(playing.size() >= 2);
    QVERIFY(player.effect().isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(!player.effect().isPlaying(), 5000);
}

void TestQtVoicePlayer::sameClipStartsAgain() {
    QtVoicePlayer player;
    player.play(m_short);
    QTRY_COMPARE(player.effect().status(), QSoundEffect::Ready);
    QSignalSpy playing(&player.effect(), &QSoundEffect::playingChanged);

    player.play(m_short);

    QTRY_COMPARE(player.effect().status(), QSoundEffect::Ready);
    QTRY_VERIFY(player.effect().isPlaying());
    QVERIFY(playing.size() >= 2);
    QTRY_VERIFY_WITH_TIMEOUT(!player.effect().isPlaying(), 5000);
}

void TestQtVoicePlayer::missingFileStopsAndPlaysNothing() {
    QtVoicePlayer player;
    player.play(m_long);
    QTRY_COMPARE(player.effect().status(), QSoundEffect::Ready);
    QVERIFY(player.effect().isPlaying());
    player.play(m_dir.filePath(QStringLiteral("ゎ.wav")));
    QVERIFY(!player.effect().isPlaying());
    QVERIFY(player.effect().source().isEmpty());
}

QTEST_MAIN(TestQtVoicePlayer)
#include "qt_voice_player_test.moc"
