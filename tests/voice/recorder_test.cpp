#include "file_fixtures.h"
#include "lists/phrase_file.h"
#include "platform/grid.h"
#include "platform/pulse_audio_input.h"
#include "platform/pulse_voice_player.h"
#include "platform/wav_clip.h"
#include "text/recording_names.h"
#include "voice/recorder.h"
#include "voice/recorder_page.h"
#include "voice/take.h"
#include "voice/take_files.h"
#include "window_fixture.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

namespace {

// Made-up sound: silence, or a 440 Hz tone of the given amplitude, `ms`
// milliseconds at `rate` samples per second.
QList<qint16> tone(int ms, int rate, double amplitude = 8000) {
    QList<qint16> samples;
    const int count = rate * ms / 1000;
    for (int i = 0; i < count; ++i)
        samples.append(qint16(std::lround(amplitude * std::sin(2 * M_PI * 440 * i / rate))));
    return samples;
}
QList<qint16> silence(int ms, int rate) {
    return QList<qint16>(rate * ms / 1000, 0);
}

} // namespace

// The recorder: trimming and judging takes on made-up sound, and the files a
// kept take replaces and restores; its page on a scripted microphone
// (choosing what to record, recording, hearing, keeping, discarding and
// restoring); and a take from the machine's real sound.
class RecorderTest : public QObject {
    Q_OBJECT
    static constexpr int kRate = 8000;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedAudioInput> mic;
    std::unique_ptr<RecordingVoicePlayer> player;
    std::unique_ptr<RecorderPage> page;

    void open(const QStringList& phrases = {}) {
        page = std::make_unique<RecorderPage>(*mic, *player, dir->path(), phrases);
        page->show();
    }
    // "録音", the sound, "停止".
    void record(const QList<qint16>& sound) {
        page->cmdRec->click();
        QCOMPARE(page->cmdRec->text(), QString("停止"));
        mic->say(sound);
        page->cmdRec->click();
        QCOMPARE(page->cmdRec->text(), QString("録音"));
    }
    static QList<qint16> word(int ms = 400) {
        return silence(300, kRate) + tone(ms, kRate) + silence(300, kRate);
    }
    static QByteArray wavOf(int ms) { return Take(word(ms), kRate).trimmed().wav(); }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        mic = std::make_unique<ScriptedAudioInput>();
        mic->rate = kRate;
        player = std::make_unique<RecordingVoicePlayer>();
    }
    void cleanup() { page.reset(); }

    // A character's take is trimmed, played back at once, kept as <text>.wav
    // over the old recording, which becomes the backup that "元に戻す" brings
    // back; the meter follows the microphone.
    void keepsACharacterAndRestoresTheOldRecording() {
        QVERIFY(writeBytes(dir->filePath("か.wav"), "old"));
        open();
        QVERIFY(!page->cmdRec->isEnabled());      // nothing chosen yet
        WindowFixture::tap(page->grdChars, "つ"); // its forms as on the selection panel
        QCOMPARE(page->cmdForm[0]->text() + page->cmdForm[1]->text(), QString("っづ"));
        page->cmdForm[0]->click();
        QCOMPARE(page->lblChosen->text(), QString("「っ」"));
        WindowFixture::tap(page->grdChars, "か");
        QVERIFY(page->cmdForm[0]->isHidden() && page->cmdForm[1]->isVisible());
        QCOMPARE(page->lblChosen->text(), QString("「か」"));
        QVERIFY(page->cmdPlay->isEnabled() && !page->cmdUndo->isEnabled());

        page->cmdRec->click();
        QVERIFY(!page->cmdChars->isEnabled() && !page->cmdKeep->isEnabled());
        mic->say(silence(300, kRate) + tone(400, kRate));
        QVERIFY(page->barLevel->value() > 70);
        mic->say(silence(300, kRate));
        page->cmdRec->click();
        QCOMPARE(page->barLevel->value(), 0);
        QCOMPARE(player->played.size(), 1); // heard back at once
        const QString take = player->played.first();
        QCOMPARE(readBytes(take), wavOf(400));
        page->cmdPlay->click();
        QCOMPARE(player->played.last(), take);

        page->cmdKeep->click();
        QCOMPARE(page->lblNote->text(), QString("保存しました。"));
        QCOMPARE(readBytes(dir->filePath("か.wav")), wavOf(400));
        QCOMPARE(readBytes(dir->filePath("か.wav.bak")), QByteArray("old"));
        QVERIFY(!QFile::exists(take));
        page->cmdPlay->click(); // the kept recording
        QCOMPARE(player->played.last(), dir->filePath("か.wav"));

        QVERIFY(page->cmdUndo->isEnabled());
        page->cmdUndo->click();
        QCOMPARE(readBytes(dir->filePath("か.wav")), QByteArray("old"));
        QCOMPARE(readBytes(dir->filePath("か.wav.bak")), wavOf(400));
    }

    // A silent or too short take is refused and nothing is stored; "やめる"
    // drops a good one; a take is dropped when another text is chosen.
    void refusesAndDiscards() {
        open({kPhrasePlaceholder, kPhrasePlaceholder, "おはよう", "ありがとう"});
        page->cmdPhrases->click();
        QVERIFY(page->grdPhrases->isVisible() && !page->grdChars->isVisible());
        QCOMPARE(page->grdPhrases->rows(), 2); // no placeholder
        WindowFixture::tap(page->grdPhrases, "おはよう");
        record(silence(1000, kRate));
        QCOMPARE(page->lblNote->text(), QString("音が聞こえませんでした。もう一度どうぞ。"));
        record(word(60));
        QCOMPARE(page->lblNote->text(), QString("短すぎます。もう一度どうぞ。"));
        QVERIFY(!page->cmdKeep->isEnabled());
        record(word());
        QVERIFY(page->cmdKeep->isEnabled() && page->cmdDiscard->isEnabled());
        page->cmdDiscard->click();
        QVERIFY(!page->cmdKeep->isEnabled());
        record(word());
        WindowFixture::tap(page->grdPhrases, "ありがとう");
        QVERIFY(!page->cmdKeep->isEnabled());
        QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
        QVERIFY(!QDir(dir->filePath("phrases")).exists());

        record(word());
        page->cmdKeep->click();
        QCOMPARE(readBytes(dir->filePath("phrases/ありがとう.wav")), wavOf(400));
        QVERIFY(!QFile::exists(dir->filePath("ありがとう.wav")));
    }

    // Without a microphone the page says so and records nothing; "/" names
    // no file and cannot be recorded.
    void noMicrophone() {
        mic->present = false;
        open();
        QCOMPARE(page->lblNote->text(), QString("マイクがありません。録音はできません。"));
        WindowFixture::tap(page->grdChars, "あ");
        QVERIFY(!page->cmdRec->isEnabled());
        QCOMPARE(page->lblNote->text(), QString("マイクがありません。録音はできません。"));

        mic->present = true;
        mic->starts = false;
        open();
        WindowFixture::tap(page->grdChars, "あ");
        page->cmdRec->click();
        QCOMPARE(page->lblNote->text(), QString("マイクを使えません。"));
        QCOMPARE(page->cmdRec->text(), QString("録音"));
        page->cmdSet->click();
        page->cmdSet->click();
        WindowFixture::tap(page->grdChars, "/");
        QCOMPARE(page->lblNote->text(), QString("この文字は録音できません。"));
        QVERIFY(!page->cmdRec->isEnabled());
    }
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
        const auto clip = WavClip::parse(Take({1, -2, 3}, 22050).wav());
        QVERIFY(clip && clip->sample == WavClip::Sample::S16);
        QCOMPARE(QList<int>({clip->channels, clip->rate}), QList<int>({1, 22050}));
        QCOMPARE(clip->pcm, QByteArray::fromHex("0100 feff 0300"));
    }

    // A kept take makes the file it replaces the one backup; restoring swaps
    // them, so nothing is ever lost by a bad take or a restore.
    void keepsOneBackupAndRestores() {
        const QString path = dir->filePath("phrases/おはよう.wav");
        QVERIFY(take_files::keep(path, "first"));
        QVERIFY(!take_files::hasBackup(path)); // nothing was replaced
        QVERIFY(!take_files::restore(path));
        QVERIFY(take_files::keep(path, "second"));
        QVERIFY(take_files::keep(path, "third"));
        QCOMPARE(readBytes(path + ".bak"), QByteArray("second"));

        // A backup whose recording has gone comes back and leaves no backup.
        QVERIFY(QFile::remove(path));
        QVERIFY(take_files::restore(path));
        QCOMPARE(readBytes(path), QByteArray("second"));
        QVERIFY(!take_files::hasBackup(path));

        // A recording that cannot be replaced stays as it was.
        QVERIFY(QDir(dir->path()).mkdir("あ.wav"));
        QVERIFY(!take_files::keep(dir->filePath("あ.wav"), "take"));
        QVERIFY(QFileInfo(dir->filePath("あ.wav")).isDir());
    }
    // A take from the microphone is kept under the character's name, plays,
    // and its backup brings the former recording back.
    void recordsKeepsPlaysAndRestores() {
        PulseAudioInput microphone;
        if (!microphone.available())
            QSKIP("no audio input");
        PulseVoicePlayer player;
        player.start();
        Recorder recorder(microphone, player);
        const QString path = recording_names::characterPath(dir->path(), "あ");
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

QTEST_MAIN(RecorderTest)
#include "recorder_test.moc"
