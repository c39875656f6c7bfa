#include "board/voice_texts.h"
#include "fakes.h"
#include "file_fixtures.h"
#include "platform/wav_clip.h"
#include "text/recording_names.h"
#include "text/voice_output.h"
#include "window/shared_state.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// The voice-mode filter of board taps, the stop flag around a clip, and the
// file each text is spoken from; the build leaves a recording beside the
// executable for every text the program can speak.
class TestVoiceOutput : public QObject {
    Q_OBJECT
private:
    RecordingVoicePlayer m_player;
    InstantPause m_pause;
    SharedState m_state;

private slots:
    void init() {
        m_player = RecordingVoicePlayer();
        m_pause = InstantPause();
        m_state = SharedState();
        m_state.appDir = QStringLiteral("/opt/トーク");
    }

    void filter_data() {
        QTest::addColumn<int>("opt3");
        QTest::addColumn<QChar>("occasion");
        QTest::addColumn<bool>("plays");
        // The occasions each voice mode speaks on: "S" a tap that opens the
        // panel, "E" one that enters, "1" the first of two taps.
        const std::pair<int, const char*> modes[] = {
            {0, "SE1"}, {1, "SE"}, {2, "E"}, {3, ""}, {99, "SE1"}};
        for (const auto& [opt3, speaks] : modes)
            for (const char occasion : {'S', 'E', '1'})
                QTest::addRow("OPT3 %d, %c", opt3, occasion)
                    << opt3 << QChar(occasion) << QByteArray(speaks).contains(occasion);
    }
    // A played clip clears the stop flag while it sounds and sets it after,
    // ending a read-aloud; a filtered tap returns at once and leaves it alone.
    void filter() {
        QFETCH(int, opt3);
        QFETCH(QChar, occasion);
        QFETCH(bool, plays);
        m_state.settings.opt3 = opt3;
        m_state.stopRead = plays;
        bool stopReadDuringPause = true;
        m_pause.during = [&] { stopReadDuringPause = m_state.stopRead; };

        VoiceOutput(m_player, m_pause, m_state).playVoice(QStringLiteral("が"), 0.5, occasion);

        const QStringList played{QStringLiteral("/opt/トーク/が.wav")};
        QCOMPARE(m_player.played, plays ? played : QStringList());
        QCOMPARE(m_pause.waits, plays ? QList<int>{500} : QList<int>());
        QCOMPARE(stopReadDuringPause, !plays);
        QCOMPARE(m_state.stopRead, plays);
    }

    // "/" would name the hidden file ".wav", and a longer text with "/" a file
    // outside the folder: such texts stop the clip that sounds, play nothing
    // and keep the tap's pause.
    void noFileForASlash() {
        VoiceOutput voice(m_player, m_pause, m_state);
        QVERIFY(voice.wavPath(QStringLiteral("../Talk")).isEmpty());
        voice.playVoice(QStringLiteral("/"), 0.5, 'E');
        QVERIFY(m_player.played.isEmpty());
        QCOMPARE(m_player.stops, 1);
        QCOMPARE(m_pause.waits, QList<int>{500});
    }

    // A phrase's recording lies in "phrases", so that even a one-character
    // phrase never takes a character's file; any phrase text stays inside
    // that folder under a name of its own, short enough for the file system.
    void phraseRecordingNames() {
        using namespace recording_names;
        QCOMPARE(phrasePath("/d", "あ"), QString("/d/phrases/あ.wav"));
        QCOMPARE(phraseFileName("../x/y"), QString("..%2Fx%2Fy.wav"));
        QCOMPARE(phraseFileName("a%2Fb"), QString("a%252Fb.wav"));
        QCOMPARE(phraseFileName("~\n\t"), QString("%7E%0A%09.wav"));
        QCOMPARE(phraseFileName(".."), QString("...wav"));
        QCOMPARE(phraseFileName(""), QString());
        const QString longPhrase = QString("あ").repeated(300);
        const QString name = phraseFileName(longPhrase);
        QVERIFY(name.toUtf8().size() + 4 <= 255); // room for ".bak"
        QVERIFY(name.startsWith("ああ") && name.contains('~') && !name.contains('/'));
        QVERIFY(phraseFileName(longPhrase + "い") != name);
        QCOMPARE(phraseFileName(longPhrase), name);
    }

    // An installed program speaks with its own recordings unless the user's
    // data folder holds a recording of the same name; a phrase's own
    // recording is found only where one has been kept.
    void ownRecordingsAreFoundInTheDataFolder() {
        QTemporaryDir data;
        QVERIFY(QDir(data.path()).mkdir("phrases"));
        for (const char* name : {"あ.wav", "phrases/おはよう.wav"})
            QVERIFY(writeBytes(data.filePath(QString::fromUtf8(name)), "RIFF"));
        m_state.appDir = data.path();
        m_state.programDir = QStringLiteral("/usr/share/talk");
        VoiceOutput voice(m_player, m_pause, m_state);
        QCOMPARE(voice.wavPath(QStringLiteral("あ")), data.filePath(QStringLiteral("あ.wav")));
        QCOMPARE(voice.wavPath(QStringLiteral("い")), QStringLiteral("/usr/share/talk/い.wav"));
        QCOMPARE(voice.phraseWavPath("おはよう"), data.filePath("phrases/おはよう.wav"));
        QVERIFY(voice.phraseWavPath("こんにちは").isEmpty());
    }

    void everyTextHasARecording() {
        const QStringList texts = board::voiceTexts();
        // Spaces, the end marker, the faces and their characters, forms reached
        // only through the panel, and the fifteen-column board's voiced kana.
        for (const char* text :
             {"\u3000", " ", "_", "(^_^)", "(", "^", "ぢ", "ヅ", "ぽ", "ッ", "z"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
        QStringList problems;
        for (const QString& text : texts) {
            const auto clip = WavClip::parse(readBytes(TALK_VOICE_DIR "/" + text + ".wav"));
            if (!text.contains(QLatin1Char('/')) && !(clip && !clip->pcm.isEmpty()))
                problems.append(text);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral(" | "))));
    }
};

QTEST_GUILESS_MAIN(TestVoiceOutput)
#include "voice_output_test.moc"
