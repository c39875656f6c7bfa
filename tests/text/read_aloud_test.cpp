#include "app/talk_window.h"
#include "fakes.h"
#include "platform/twip_layout.h"
#include "text/read_aloud.h"
#include "text/text_panel.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <memory>

class ReadAloudTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<TalkWindow> m_window;

    TalkControls& c() { return m_window->controls(); }
    TextPanel& panel() { return m_window->textPanel(); }
    QWidget* stopPanel() { return m_window->findChild<QWidget*>("frmRead"); }
    QString wav(const QString& text) { return QDir::tempPath() + "/" + text + ".wav"; }
    int textHeight() { return m_window->layout().rect(c().txtTalk).height; }
    void read(const QString& text) {
        panel().setText(text);
        c().cmdRead->click();
    }
    // Runs during the pause after the given number of characters.
    void during(int played, std::function<void()> action) {
        m_fakes->pause.during = [this, played, action] {
            if (m_fakes->voice.played.size() == played)
                action();
        };
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        m_fakes = std::make_unique<FakeServices>();
        m_window = std::make_unique<TalkWindow>(m_fakes->services, QDir::tempPath());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        m_fakes.reset();
    }

    void emptyTextLeavesTheMarker() {
        read("");
        QVERIFY(m_fakes->voice.played.isEmpty());
        QCOMPARE(panel().text(), QString("_"));
        QCOMPARE(panel().selStart(), 0);
        QCOMPARE(panel().selLength(), 1);
        QCOMPARE(c().cmdRead->text(), QString("読む"));
        QVERIFY(c().cmdRead->isEnabled());
    }

    void everyCharacterIsSpokenWithTheBlockFollowing() {
        m_window->state().settings.beep = 1;
        m_window->state().settings.opt3 = 3; // no voice from the boards: reading still speaks
        QList<int> blocks;
        m_fakes->pause.during = [this, &blocks] {
            QCOMPARE(c().cmdRead->text(), QString("♪"));
            QVERIFY(!c().cmdRead->isEnabled());
            QVERIFY(stopPanel() && stopPanel()->isVisible());
            QCOMPARE(textHeight(), 11115 - 3630);
            QCOMPARE(c().cmdWide->text(), QString("広げる"));
            blocks.append(panel().selStart());
        };
        read("あい_");
        QCOMPARE(m_fakes->voice.played, QStringList({wav("あ"), wav("い"), wav("_")}));
        QCOMPARE(m_fakes->pause.waits, QList<int>({800, 800, 800}));
        QCOMPARE(blocks, QList<int>({0, 1, 2}));
        QCOMPARE(m_fakes->beeper.beeps, 1);
        QCOMPARE(panel().selStart(), 2);
        QCOMPARE(panel().selLength(), 1);
        QCOMPARE(textHeight(), 2295);
        QCOMPARE(c().cmdRead->text(), QString("読む"));
        QTRY_VERIFY(!stopPanel());
    }

    void stopLabelEndsAfterTheSoundingCharacter() {
        during(3, [this] {
            auto* label = stopPanel()->findChild<QLabel*>("lblLabel");
            QCOMPARE(label->text(), QString("読み上げ中止"));
            QTest::mouseClick(label, Qt::LeftButton);
        });
        read("あいうえおかきくけ_");
        QCOMPARE(m_fakes->voice.played, QStringList({wav("あ"), wav("い"), wav("う")}));
        QTRY_VERIFY(!stopPanel());
        QCOMPARE(panel().text(), QString("あいうえおかきくけ_"));
        QCOMPARE(panel().selStart(), 9);
        QCOMPARE(panel().selLength(), 1);
        QVERIFY(c().cmdRead->isEnabled());
    }

    void stopPanelRefusesTheUsersClose() {
        bool refused = false;
        during(1, [this, &refused] {
            QWidget* panel = stopPanel();
            QCOMPARE(panel->windowTitle(), QString("読み上げ中止パネル"));
            QVERIFY(panel->windowFlags() & Qt::WindowStaysOnTopHint);
            QCOMPARE(panel->size(), QSize(twipsToPixels(15300), twipsToPixels(3120)));
            refused = !panel->close() && panel->isVisible();
        });
        read("あい_");
        QVERIFY(refused);
        QCOMPARE(m_fakes->voice.played.size(), 3);
        QTRY_VERIFY(!stopPanel());
    }

    void panelNarrowsAfterReadingUnlessAnEntryIsOpen_data() {
        QTest::addColumn<bool>("entryOpen");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("caption");
        QTest::newRow("board") << false << 2295 << "広げる";
        QTest::newRow("opened entry") << true << 11115 - 3630 << "狭める";
    }
    void panelNarrowsAfterReadingUnlessAnEntryIsOpen() {
        QFETCH(bool, entryOpen);
        QFETCH(int, height);
        QFETCH(QString, caption);
        c().cmdWide->click();
        c().fraDay->setVisible(entryOpen);
        read("あ_");
        QCOMPARE(textHeight(), height);
        QCOMPARE(c().cmdWide->text(), caption);
    }

    // Deleting text while it is read ends reading where the text ends.
    void shortenedTextEndsReading() {
        during(2, [this] { panel().setText("か"); });
        read("あいうえ_");
        QCOMPARE(m_fakes->voice.played.size(), 2);
        QCOMPARE(panel().text(), QString("か_"));
        QCOMPARE(panel().selStart(), 1);
    }
};

QTEST_MAIN(ReadAloudTest)
#include "read_aloud_test.moc"
