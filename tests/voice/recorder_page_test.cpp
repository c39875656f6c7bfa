#include "fakes.h"
#include "file_fixtures.h"
#include "lists/phrase_file.h"
#include "platform/grid.h"
#include "tone.h"
#include "voice/recorder_page.h"
#include "voice/take.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The recorder's page on a scripted microphone: choosing what to record,
// recording, hearing, keeping, discarding and restoring.
class RecorderPageTest : public QObject {
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
    void tapCell(Grid* grid, const QString& text) {
        for (int r = 0; r < grid->rows(); ++r)
            for (int c = 0; c < grid->cols(); ++c)
                if (grid->text(r, c) == text) {
                    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                      grid->cellRect(r, c).center());
                    return;
                }
        QFAIL(qPrintable("no cell " + text));
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
        QVERIFY(!page->cmdRec->isEnabled());               // nothing chosen yet
        for (const char* set : {"カタ", "英数", "ひら"}) { // the sets in turn, and round
            page->cmdSet->click();
            QCOMPARE(page->cmdSet->text(), QString::fromUtf8(set));
        }
        tapCell(page->grdChars, "つ"); // its forms as on the selection panel
        QCOMPARE(page->cmdForm[0]->text() + page->cmdForm[1]->text(), QString("っづ"));
        page->cmdForm[0]->click();
        QCOMPARE(page->lblChosen->text(), QString("「っ」"));
        tapCell(page->grdChars, "か");
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
        tapCell(page->grdPhrases, "おはよう");
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
        tapCell(page->grdPhrases, "ありがとう");
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
        tapCell(page->grdChars, "あ");
        QVERIFY(!page->cmdRec->isEnabled());
        QCOMPARE(page->lblNote->text(), QString("マイクがありません。録音はできません。"));

        mic->present = true;
        mic->starts = false;
        open();
        tapCell(page->grdChars, "あ");
        page->cmdRec->click();
        QCOMPARE(page->lblNote->text(), QString("マイクを使えません。"));
        QCOMPARE(page->cmdRec->text(), QString("録音"));
        page->cmdSet->click();
        page->cmdSet->click();
        tapCell(page->grdChars, "/");
        QCOMPARE(page->lblNote->text(), QString("この文字は録音できません。"));
        QVERIFY(!page->cmdRec->isEnabled());
    }
};

QTEST_MAIN(RecorderPageTest)
#include "recorder_page_test.moc"
