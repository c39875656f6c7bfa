#include "file_fixtures.h"
#include "text/sentence_speaker.h"
#include "voice/voice_options_page.h"
#include "window/voice_settings.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

// The voice options: stored in [Voice], shown and changed on their page of
// the extended options, and applied when that dialog is confirmed.
class VoiceOptionsPageTest : public QObject {
    Q_OBJECT
private slots:
    // Values the program never writes read as character reading at normal
    // speed with the Debian voice, as an absent group does (read_aloud_test).
    void absentOrUnknownValuesReadAsDefaults() {
        MemorySettingsStore store;
        store.values = {{"Voice/Read", "Sentence"}, {"Voice/Rate", "2"}, {"Voice/File", " "}};
        VoiceSettings read = readVoiceSettings(store, "/app");
        QCOMPARE(read.read, VoiceSettings::Read::Characters);
        QCOMPARE(read.rate, VoiceSettings::Rate::Normal);
        QCOMPARE(read.file, voice_keys::kDebianVoice);
        // A voice named without a folder lies beside the program.
        store.values = {
            {"Voice/Read", "sentence"}, {"Voice/Rate", "slow"}, {"Voice/File", "m.htsvoice"}};
        read = readVoiceSettings(store, "/app");
        QCOMPARE(read.read, VoiceSettings::Read::Sentences);
        QCOMPARE(read.rate, VoiceSettings::Rate::Slow);
        QCOMPARE(read.file, QString("/app/m.htsvoice"));
    }

    // The page shows what is stored, offers the voices beside the program,
    // and writes back exactly what it shows; the eight options are untouched.
    void pageRoundTrip() {
        QTemporaryDir app;
        writeBytes(app.filePath("mei.htsvoice"), "voice");
        MemorySettingsStore store;
        VoiceOptionsPage page(app.path(), QString());
        page.load(store);
        QCOMPARE(page.cmbVoice->count(), 2);
        QVERIFY(page.lblVoiceState->text().isEmpty());

        page.optRead[1]->setChecked(true);
        page.optRate[2]->setChecked(true);
        page.cmbVoice->setCurrentIndex(1);
        page.save(store);
        const QList<QPair<QString, QString>> written{{"Voice/Read", "sentence"},
                                                     {"Voice/Rate", "fast"},
                                                     {"Voice/File", app.filePath("mei.htsvoice")}};
        QCOMPARE(store.writes, written);

        VoiceOptionsPage again(app.path(), QString());
        again.load(store);
        QVERIFY(again.optRead[1]->isChecked());
        QVERIFY(again.optRate[2]->isChecked());
        QCOMPARE(again.cmbVoice->currentIndex(), 1);
    }

    // Confirming the extended options applies the voice at once. The page's
    // controls are in the dialog's large font, and as tall as two lines of it.
    void confirmedOptionsApply() {
        WindowFixture f;
        f.open();
        QCOMPARE(f.fakes.synthesizer.voice, voice_keys::kDebianVoice);
        QFont pageFont, dialogFont;
        int height = 0;
        f.extendedOptions([&](QWidget* extended) {
            auto* sentences = extended->findChild<QRadioButton*>("optRead(1)");
            pageFont = sentences->font();
            dialogFont = extended->font();
            height = sentences->height();
            sentences->setChecked(true);
            extended->findChild<QRadioButton*>("optRate(0)")->setChecked(true);
            WindowFixture::clickIn(extended, "cmdOK(1)");
        });
        QCOMPARE(pageFont, dialogFont);
        QVERIFY(height >= 2 * QFontMetrics(dialogFont).height());
        QVERIFY(f.window().sentences().sentenceMode());
        QCOMPARE(f.fakes.synthesizer.speed, speechSpeed(VoiceSettings::Rate::Slow));
        QCOMPARE(f.fakes.store.values.value("Voice/Read"), QString("sentence"));
        QCOMPARE(f.fakes.store.syncs, 1);
    }
};

QTEST_MAIN(VoiceOptionsPageTest)
#include "voice_options_page_test.moc"
