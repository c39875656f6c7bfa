#include "platform/twip_layout.h"
#include "text/sentence_speaker.h"
#include "window_fixture.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

class ReadAloudTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<WindowFixture> f;

    QWidget* stopPanel() { return f->window().findChild<QWidget*>("frmRead"); }
    QString wav(const QString& text) { return f->dir.filePath(text + ".wav"); }
    int textHeight() { return f->window().layout().rect(f->c().txtTalk).height; }
    void read(const QString& text) {
        f->panel().setText(text);
        f->c().cmdRead->click();
    }
    // Runs during the pause after the given number of characters.
    void during(int played, std::function<void()> action) {
        f->fakes.pause.during = [this, played, action] {
            if (f->fakes.voice.played.size() == played)
                action();
        };
    }
    void checkBlockAt(int start) {
        QCOMPARE(f->panel().selStart(), start);
        QCOMPARE(f->panel().selLength(), 1);
        QCOMPARE(f->c().cmdRead->text(), QString("読む"));
        QVERIFY(f->c().cmdRead->isEnabled());
    }

private slots:
    void init() {
        f = std::make_unique<WindowFixture>();
        f->open();
    }
    void cleanup() { f.reset(); }

    void emptyTextLeavesTheMarker() {
        read("");
        QVERIFY(f->fakes.voice.played.isEmpty());
        QCOMPARE(f->text(), QString("_"));
        checkBlockAt(0);
    }

    // Without the [Voice] group "読む" reads character by character as ever.
    void everyCharacterIsSpokenWithTheBlockFollowing() {
        f->window().state().settings.beep = 1;
        f->window().state().settings.opt3 = 3; // no voice from the boards: reading still speaks
        QList<int> blocks;
        f->fakes.pause.during = [this, &blocks] {
            QCOMPARE(f->c().cmdRead->text(), QString("♪"));
            QVERIFY(!f->c().cmdRead->isEnabled());
            QVERIFY(stopPanel() && stopPanel()->isVisible());
            QVERIFY(!stopPanel()->close()); // the close box is refused
            QCOMPARE(textHeight(), 11115 - 3630);
            blocks.append(f->panel().selStart());
        };
        read("あい_");
        QCOMPARE(f->fakes.voice.played, QStringList({wav("あ"), wav("い"), wav("_")}));
        QVERIFY(f->fakes.synthesizer.requests.isEmpty() && !f->window().sentences().sentenceMode());
        QCOMPARE(f->fakes.pause.waits, QList<int>({800, 800, 800}));
        QCOMPARE(blocks, QList<int>({0, 1, 2}));
        QCOMPARE(f->fakes.beeper.beeps, 1);
        QCOMPARE(textHeight(), 2295);
        checkBlockAt(2);
        QTRY_VERIFY(!stopPanel());
    }

    void stopLabelEndsAfterTheSoundingCharacter() {
        during(3, [this] {
            QTest::mouseClick(stopPanel()->findChild<QLabel*>("lblLabel"), Qt::LeftButton);
        });
        read("あいうえおかきくけ_");
        QCOMPARE(f->fakes.voice.played, QStringList({wav("あ"), wav("い"), wav("う")}));
        QTRY_VERIFY(!stopPanel());
        QCOMPARE(f->text(), QString("あいうえおかきくけ_"));
        checkBlockAt(9);
    }

    void widePanelStaysWhileAnEntryIsOpen() {
        f->c().cmdWide->click();
        f->c().fraDay->show();
        read("あ_");
        QCOMPARE(textHeight(), 11115 - 3630);
        QCOMPARE(f->c().cmdWide->text(), QString("狭める"));
    }

    // Deleting text while it is read ends reading where the text ends.
    void shortenedTextEndsReading() {
        during(2, [this] { f->panel().setText("か"); });
        read("あいうえ_");
        QCOMPARE(f->fakes.voice.played.size(), 2);
        QCOMPARE(f->text(), QString("か_"));
        QCOMPARE(f->panel().selStart(), 1);
    }
};

QTEST_MAIN(ReadAloudTest)
#include "read_aloud_test.moc"
