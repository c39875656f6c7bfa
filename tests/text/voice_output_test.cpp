#include "app/shared_state.h"
#include "fakes.h"
#include "text/voice_output.h"

#include <QtTest>

// The voice-mode filter of board taps, the stop flag around a clip, and the
// file each text is spoken from.
class TestVoiceOutput : public QObject {
    Q_OBJECT
private slots:
    void init();
    void filter_data();
    void filter();
    void stopReadIsClearDuringTheClip();
    void speakIsUnfiltered();
    void noFileForASlash();

private:
    RecordingVoicePlayer m_player;
    InstantPause m_pause;
    SharedState m_state;
};

void TestVoiceOutput::init() {
    m_player = RecordingVoicePlayer();
    m_pause = InstantPause();
    m_state = SharedState();
    m_state.appDir = QStringLiteral("/opt/トーク");
}

void TestVoiceOutput::filter_data() {
    QTest::addColumn<int>("opt3");
    QTest::addColumn<QChar>("occasion");
    QTest::addColumn<bool>("plays");
    const struct {
        int opt3;
        bool s, e, first;
    } modes[] = {{0, true, true, true},    {1, true, true, false}, {2, false, true, false},
                 {3, false, false, false}, {4, true, true, true},  {-1, true, true, true},
                 {99, true, true, true}};
    for (const auto& m : modes) {
        QTest::addRow("OPT3 %d, S", m.opt3) << m.opt3 << QChar('S') << m.s;
        QTest::addRow("OPT3 %d, E", m.opt3) << m.opt3 << QChar('E') << m.e;
        QTest::addRow("OPT3 %d, 1", m.opt3) << m.opt3 << QChar('1') << m.first;
    }
}

void TestVoiceOutput::filter() {
    QFETCH(int, opt3);
    QFETCH(QChar, occasion);
    QFETCH(bool, plays);
    m_state.settings.opt3 = opt3;
    m_state.stopRead = false;
    VoiceOutput voice(m_player, m_pause, m_state);

    voice.playVoice(QStringLiteral("が"), 0.5, occasion);

    if (plays) {
        QCOMPARE(m_player.played, QStringList{QStringLiteral("/opt/トーク/が.wav")});
        QCOMPARE(m_pause.waits, QList<int>{500});
        QCOMPARE(m_state.stopRead, true);
    } else {
        // A filtered tap returns at once and leaves a read-aloud running.
        QVERIFY(m_player.played.isEmpty());
        QVERIFY(m_pause.waits.isEmpty());
        QCOMPARE(m_state.stopRead, false);
    }
}

void TestVoiceOutput::stopReadIsClearDuringTheClip() {
    m_state.stopRead = true;
    bool stopReadDuringPause = true;
    m_pause.during = [&] { stopReadDuringPause = m_state.stopRead; };
    VoiceOutput voice(m_player, m_pause, m_state);

    voice.playVoice(QStringLiteral("\u3000"), 0.5, 'E');

    QCOMPARE(m_player.played, QStringList{QStringLiteral("/opt/トーク/\u3000.wav")});
    QVERIFY(!stopReadDuringPause);
    QVERIFY(m_state.stopRead);
}

void TestVoiceOutput::speakIsUnfiltered() {
    m_state.settings.opt3 = 3;
    VoiceOutput voice(m_player, m_pause, m_state);

    voice.speak(QStringLiteral("_"));
    voice.speak(QStringLiteral("(^_^)"));

    QCOMPARE(m_player.played, (QStringList{QStringLiteral("/opt/トーク/_.wav"),
                                           QStringLiteral("/opt/トーク/(^_^).wav")}));
    QVERIFY(m_pause.waits.isEmpty());
}

// "/" would name the hidden file ".wav", and a longer text with "/" a file
// outside the folder: such texts stop the clip that sounds, play nothing and
// keep the tap's pause.
void TestVoiceOutput::noFileForASlash() {
    VoiceOutput voice(m_player, m_pause, m_state);
    QVERIFY(voice.wavPath(QStringLiteral("../Talk")).isEmpty());

    voice.playVoice(QStringLiteral("/"), 0.5, 'E');

    QVERIFY(m_player.played.isEmpty());
    QCOMPARE(m_player.stops, 1);
    QCOMPARE(m_pause.waits, QList<int>{500});
}

QTEST_GUILESS_MAIN(TestVoiceOutput)
#include "voice_output_test.moc"
