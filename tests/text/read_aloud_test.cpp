#include "platform/twip_layout.h"
#include "text/sentence_pieces.h"
#include "text/sentence_speaker.h"
#include "wav_file.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

// "読む": character by character from the recordings, or in sentence mode
// the text whole, piece by piece from the synthesizer, never waiting on it;
// where the synthesizer cannot serve, the recordings read the text character
// by character. Runs on fake services: the test decides when each sentence
// is made and when each sound has ended.
class ReadAloudTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<WindowFixture> f;

    FakeSynthesizer& synth() { return f->fakes.synthesizer; }
    ManualTimer& timer() { return f->fakes.speechTimer; }
    QStringList& played() { return f->fakes.voice.played; }
    QWidget* stopPanel() { return f->window().findChild<QWidget*>("frmRead"); }
    QString wav(const QString& text) { return f->dir.filePath(text + ".wav"); }
    int textHeight() { return f->window().layout().rect(f->c().txtTalk).height; }

    void open(const QString& read = QStringLiteral("sentence")) {
        f->fakes.store.values.insert("Voice/Read", read);
        f->open();
    }
    void read(const QString& text) {
        f->panel().setText(text);
        f->c().cmdRead->click();
    }
    bool reading() { return !f->c().cmdRead->isEnabled(); }
    // Runs during the pause after the given number of characters.
    void during(int count, std::function<void()> action) {
        f->fakes.pause.during = [this, count, action] {
            if (played().size() == count)
                action();
        };
    }
    // Keeps a recording of the phrase, as the recorder does; returns its path.
    QString recordPhrase(const QString& phrase, int milliseconds) {
        QDir(f->dir.path()).mkdir("phrases");
        const QString path = f->dir.filePath("phrases/" + phrase + ".wav");
        if (!writeSineWav(path, milliseconds))
            qFatal("cannot write a phrase recording");
        return path;
    }
    // Reading is over: "読む" is back, the panel narrow, the block on the end marker.
    void checkFinished() {
        QVERIFY(!reading());
        QCOMPARE(f->c().cmdRead->text(), QString("読む"));
        QVERIFY(f->text().endsWith('_'));
        QCOMPARE(f->panel().selStart(), f->text().size() - 1);
        QCOMPARE(f->panel().selLength(), 1);
        QCOMPARE(textHeight(), 2295);
        QTRY_VERIFY(!stopPanel());
    }

private slots:
    void init() { f = std::make_unique<WindowFixture>(); }
    void cleanup() { f.reset(); }

    // Without the [Voice] group "読む" reads character by character as ever.
    void everyCharacterIsSpokenWithTheBlockFollowing() {
        f->open();
        f->window().state().settings.beep = 1;
        f->window().state().settings.opt3 = 3; // no voice from the boards: reading still speaks
        QList<int> blocks;
        f->fakes.pause.during = [this, &blocks] {
            QCOMPARE(f->c().cmdRead->text(), QString("♪"));
            QVERIFY(reading() && stopPanel() && stopPanel()->isVisible());
            QVERIFY(!stopPanel()->close()); // the close box is refused
            QCOMPARE(textHeight(), 11115 - 3630);
            blocks.append(f->panel().selStart());
        };
        read("あい_");
        QCOMPARE(played(), QStringList({wav("あ"), wav("い"), wav("_")}));
        QVERIFY(synth().requests.isEmpty() && !f->window().sentences().sentenceMode());
        QCOMPARE(f->fakes.pause.waits, QList<int>({800, 800, 800}));
        QCOMPARE(blocks, QList<int>({0, 1, 2}));
        QCOMPARE(f->fakes.beeper.beeps, 1);
        checkFinished();
    }

    // Reading ends early: at once for an empty text, after the sounding
    // character when the stop label is tapped, and where the text ends when
    // it is shortened while read.
    void readingEndsEarly() {
        f->open();
        read("");
        QVERIFY(played().isEmpty());
        QCOMPARE(f->text(), QString("_"));
        checkFinished();

        during(3, [this] {
            QTest::mouseClick(stopPanel()->findChild<QLabel*>("lblLabel"), Qt::LeftButton);
        });
        read("あいうえおかきくけ_");
        QCOMPARE(played(), QStringList({wav("あ"), wav("い"), wav("う")}));
        QCOMPARE(f->text(), QString("あいうえおかきくけ_"));
        checkFinished();

        during(5, [this] { f->panel().setText("か"); });
        read("あいうえ_");
        QCOMPARE(played().size(), 5);
        QCOMPARE(f->text(), QString("か_"));
        QCOMPARE(f->panel().selStart(), 1);
    }

    void widePanelStaysWhileAnEntryIsOpen() {
        f->open();
        f->c().cmdWide->click();
        f->c().fraDay->show();
        read("あ_");
        QCOMPARE(textHeight(), 11115 - 3630);
        QCOMPARE(f->c().cmdWide->text(), QString("狭める"));
    }

    void pieces_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<TextPiece>>("pieces");
        using namespace sentence_pieces;
        QTest::newRow("empty") << "" << QList<TextPiece>{};
        QTest::newRow("one phrase") << "おみずをください" << QList<TextPiece>{{0, 8, kCutPauseMs}};
        QTest::newRow("two sentences")
            << "きょうはいいてんきですね。さんぽにいこう！！"
            << QList<TextPiece>{{0, 13, kSentencePauseMs}, {13, 9, kSentencePauseMs}};
        QTest::newRow("clauses join up to the length")
            << "はい、そうです。" << QList<TextPiece>{{0, 8, kSentencePauseMs}};
        // The first piece is short, so that the first sound comes soon.
        QTest::newRow("first piece kept short")
            << "あしたは、びょういんに いきますので、くるまを おねがいします。"
            << QList<TextPiece>{{0, 5, kCommaPauseMs}, {5, 27, kSentencePauseMs}};
        QTest::newRow("a long clause is cut at the length")
            << QString(20, u'あ') + "。" + QString(45, u'い')
            << QList<TextPiece>{
                   {0, 21, kSentencePauseMs}, {21, 40, kCutPauseMs}, {61, 5, kCutPauseMs}};
        QTest::newRow("a line break ends a sentence")
            << "はい\nいいえ" << QList<TextPiece>{{0, 3, kSentencePauseMs}, {3, 3, kCutPauseMs}};
    }
    void pieces() {
        QFETCH(QString, text);
        QFETCH(QList<TextPiece>, pieces);
        QCOMPARE(sentencePieces(text), pieces);
    }

    // The whole text but its end marker, piece by piece: each piece is made
    // while the one before sounds, the block follows the sound, and reading
    // ends as in character mode.
    void readsTheTextWhole() {
        open();
        f->window().state().settings.beep = 1;
        read("きょうはいいてんきですね。さんぽ_");
        QCOMPARE(synth().requests.last(), QString("きょうはいいてんきですね。"));
        QVERIFY(reading() && stopPanel() && played().isEmpty());
        QCOMPARE(textHeight(), 11115 - 3630);

        synth().make("/cache/1.wav", 1000);
        QCOMPARE(played(), QStringList{"/cache/1.wav"});
        QCOMPARE(timer().starts, QList<int>{1000 + sentence_pieces::kSentencePauseMs});
        QCOMPARE(synth().requests.last(), QString("さんぽ"));
        synth().make("/cache/2.wav", 500);
        QCOMPARE(played().size(), 1); // the first still sounds

        QVERIFY(timer().fire());
        QCOMPARE(played().last(), QString("/cache/2.wav"));
        QCOMPARE(f->panel().selStart(), 13);
        QCOMPARE(timer().starts.last(), 500); // no pause after the last piece
        QVERIFY(timer().fire());
        checkFinished();
        QCOMPARE(f->text(), QString("きょうはいいてんきですね。さんぽ_"));
        QCOMPARE(f->fakes.beeper.beeps, 1);
    }

    // While the sentence is being made the board takes taps; a voiced tap
    // is newer than the sentence and sounds alone. "読み上げ中止" silences a
    // sounding sentence at once and drops what is being made.
    void tapOrStopEndsTheSentence() {
        f->fakes.store.values.insert("OPT1", "2"); // a tap enters its character
        open();
        read("おはよう_");
        QVERIFY(synth().pending);
        f->tapBoard("あ");
        QCOMPARE(f->text(), QString("あおはよう_"));
        QCOMPARE(played(), QStringList{wav("あ")});
        QCOMPARE(synth().cancels, 1);
        QVERIFY(!timer().active && !reading());
        QTRY_VERIFY(!stopPanel());

        read("あいうえお。かきくけこ_");
        synth().make("/cache/1.wav", 3000);
        const int stops = f->fakes.voice.stops;
        QTest::mouseClick(stopPanel()->findChild<QLabel*>("lblLabel"), Qt::LeftButton);
        QCOMPARE(f->fakes.voice.stops, stops + 1);
        QVERIFY(!timer().active && !synth().pending);
        checkFinished();
        QCOMPARE(played().last(), QString("/cache/1.wav"));
    }

    // Whatever keeps the synthesizer from serving (the reasons are its own),
    // the text is read from the recordings one character at a time, and the
    // options page says why, once.
    void fallsBackToTheRecordings() {
        const QString reason = "open_jtalk が文の声を作れませんでした（Error）。";
        open();
        read("はい。いいえ_");
        synth().fail(reason);
        QCOMPARE(played(), QStringList{wav("は")});
        QCOMPARE(synth().requests.last(), QString("いいえ")); // the next piece may yet be made
        synth().fail(reason);
        while (timer().fire()) {
        }
        QCOMPARE(played(),
                 QStringList({wav("は"), wav("い"), wav("。"), wav("い"), wav("い"), wav("え")}));
        QCOMPARE(timer().starts, QList<int>(6, 800));
        checkFinished();

        QString shown;
        f->extendedOptions([&shown](QWidget* extended) {
            shown = extended->findChild<QLabel*>("lblVoiceState")->text();
            WindowFixture::clickIn(extended, "cmdOK(0)");
        });
        QCOMPARE(shown.count(reason), 1);
        QVERIFY(shown.contains("1文字ずつ"));
    }

    // A phrase chosen with "決定" is spoken whole in sentence mode when the
    // voice option speaks entries; the typed row of the candidates is no
    // phrase.
    void chosenPhraseIsSpoken_data() {
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("opt3");
        QTest::addColumn<bool>("spoken");
        QTest::newRow("sentence mode") << u"sentence"_qs << u"2"_qs << true;
        QTest::newRow("no voice from the board") << u"sentence"_qs << u"3"_qs << false;
        QTest::newRow("character mode") << u"char"_qs << u"0"_qs << false;
    }
    void chosenPhraseIsSpoken() {
        QFETCH(QString, read);
        QFETCH(QString, opt3);
        QFETCH(bool, spoken);
        f->fakes.store.values.insert("OPT3", opt3);
        f->writeFile("Talk.txt", {"ああああ日記ダミー消さないでね！",
                                  "ああああ日記ダミー消さないでね！", " おみずをください "});
        open(read);
        f->c().cmdSamp->click();
        WindowFixture::tap(f->c().grdEx, 2, 1);
        f->c().cmdDec->click();
        QCOMPARE(f->text(), QString("おみずをください_"));
        QCOMPARE(f->window().sentences().speaking(), spoken);
        if (spoken)
            QCOMPARE(synth().requests.last(), QString("おみずをください"));
        QVERIFY(!reading());
    }

    // A phrase with its own recording is played whole instead of the made
    // sentence, whether chosen among the candidates with "決定" (their typed
    // row is no phrase and is not spoken) or read with "読む" (blanks at
    // either end aside), and nothing is asked of the synthesizer for it; as
    // a sentence of a longer text it plays in its place among the made ones.
    void recordedPhraseIsPlayedWhole() {
        f->fakes.store.values.insert("OPT1", "2"); // a tap enters its character
        f->writeFile("Talk.txt", {"おみずをください"});
        const QString own = recordPhrase("おみずをください", 1200);
        open();
        f->tapBoard("お");
        f->tapBoard("み");
        f->c().cmdDec->click(); // the typed row
        QVERIFY(!f->window().sentences().speaking());
        f->panel().setText(QString());
        f->tapBoard("お");
        f->tapBoard("み");
        WindowFixture::tap(f->c().grdSp, 1);
        const int asked = synth().requests.size();
        f->c().cmdDec->click();
        QCOMPARE(f->text(), QString("おみずをください_"));
        QCOMPARE(played().last(), own);
        QCOMPARE(timer().starts.last(), 1200);
        QVERIFY(timer().fire());
        QVERIFY(!f->window().sentences().speaking());

        read(" おみずをください _");
        QCOMPARE(played().last(), own);
        QCOMPARE(f->panel().selStart(), 1);
        QVERIFY(timer().fire());
        checkFinished();
        QCOMPARE(synth().requests.size(), asked);

        read("はい。おみずをください_");
        QCOMPARE(synth().requests.last(), QString("はい。"));
        synth().make("/cache/1.wav", 500);
        QVERIFY(!synth().pending);
        QVERIFY(timer().fire());
        QCOMPARE(played().last(), own);
        QCOMPARE(f->panel().selStart(), 3);
        QVERIFY(timer().fire());
        checkFinished();
    }

    // A recording that cannot be read is passed over: the phrase is made by
    // the synthesizer, as one without a recording is (chosenPhraseIsSpoken).
    void damagedRecordingIsPassedOver() {
        QDir(f->dir.path()).mkdir("phrases");
        QFile damaged(f->dir.filePath("phrases/はい.wav"));
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("RIFF") == 4);
        damaged.close();
        open();
        read("はい_");
        QCOMPARE(synth().requests.last(), QString("はい"));
        synth().make("/cache/1.wav", 500);
        QCOMPARE(played(), QStringList{"/cache/1.wav"});
    }

    // The first piece is made while the text is written, so that "読む"
    // finds it made; while a sentence sounds, nothing else is asked for.
    void firstPieceIsMadeWhileWriting() {
        f->fakes.store.values.insert("OPT1", "2");
        open();
        f->tapBoard("は");
        f->tapBoard("い");
        QCOMPARE(synth().requests, QStringList({"は", "はい"}));
        f->panel().setText("はい、そうです。またね_");
        QCOMPARE(synth().requests.last(), QString("はい、そうです。"));
        f->c().cmdRead->click();
        QCOMPARE(synth().requests.last(), QString("はい、そうです。"));
        synth().make("/cache/1.wav", 800);
        const int asked = synth().requests.size();
        f->panel().setText("いいえ_");
        QCOMPARE(synth().requests.size(), asked);
    }
};

QTEST_MAIN(ReadAloudTest)
#include "read_aloud_test.moc"
