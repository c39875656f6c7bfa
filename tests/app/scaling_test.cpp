#include "app/talk_window.h"
#include "fakes.h"
#include "platform/fonts.h"
#include "platform/grid.h"
#include "platform/twip_layout.h"
#include "text/text_panel.h"

#include <QFrame>

#include <QPlainTextEdit>
#include <QPointingDevice>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <memory>

// The whole layout grows uniformly with the window and stays centred, and
// taps by touch reach the same cells and buttons as mouse clicks.
class ScalingTest : public QObject {
    Q_OBJECT
private:
    FakeServices m_fakes;
    std::unique_ptr<TalkWindow> m_window;
    QString m_opt1 = "2"; // a tap enters its character

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        m_fakes.store.values.insert("OPT1", m_opt1);
        m_window = std::make_unique<TalkWindow>(m_fakes.services, QDir::tempPath());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void layoutScalesUniformlyAndCentres() {
        const TalkControls& c = m_window->controls();
        const QRect samp = c.cmdSamp->geometry();
        const QRect key = c.cmdKey->geometry();
        const QRect right = c.cmdRes[0]->geometry();
        const int boardFont = c.grdBoard->font().pixelSize();

        // 1.5 times the design width, and more height than that needs.
        m_window->resize(1527, 1200);
        QTRY_COMPARE(m_window->layout().scale(), 1.5);
        const int top = (1200 - qRound(741 * 1.5)) / 2;
        QCOMPARE(m_window->layout().origin(), QPoint(0, top));
        auto near = [](int actual, double expected) { return qAbs(actual - expected) <= 1; };
        QVERIFY(near(c.cmdSamp->x(), samp.x() * 1.5));
        QVERIFY(near(c.cmdSamp->y(), samp.y() * 1.5 + top));
        QVERIFY(near(c.cmdSamp->width(), samp.width() * 1.5));
        QVERIFY(near(c.cmdKey->height(), key.height() * 1.5));
        // inside a frame, positions are relative to the frame: no centring offset
        QVERIFY(near(c.cmdRes[0]->x(), right.x() * 1.5));
        QVERIFY(near(c.cmdRes[0]->height(), right.height() * 1.5));
        QCOMPARE(c.grdBoard->font().pixelSize(), pointsToPixels(54.75, 1.5));
        QVERIFY(c.grdBoard->font().pixelSize() > boardFont);
        QCOMPARE(c.grdBoard->columnWidth(0), qRound(1530 * 1.5 / 15));
        QCOMPARE(c.txtTalk->font().pixelSize(), pointsToPixels(55, 1.5));
        // the design in twips is unchanged: code that reads sizes sees the design
        QCOMPARE(m_window->layout().rect(c.txtTalk).height, 2295);
    }

    void touchTapHitsTheCellUnderTheFinger() {
        m_window->resize(1527, 1112);
        QTRY_COMPARE(m_window->layout().scale(), 1.5);
        Grid* board = m_window->controls().grdBoard;
        QSignalSpy pressed(board, &Grid::pressed);
        QSignalSpy clicked(board, &Grid::clicked);
        std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
        // cells inside the offscreen platform's 800 x 600 screen, where touches land
        for (const QPoint cell : {QPoint(3, 2), QPoint(0, 0), QPoint(4, 1)}) {
            const QPoint centre = board->cellRect(cell.y(), cell.x()).center();
            QTest::touchEvent(board->viewport(), screen.get()).press(0, centre);
            QTest::touchEvent(board->viewport(), screen.get()).release(0, centre);
            QTRY_COMPARE(clicked.count(), pressed.count());
            QCOMPARE(pressed.last().at(0).toInt(), cell.y());
            QCOMPARE(pressed.last().at(1).toInt(), cell.x());
        }
        QCOMPARE(clicked.count(), 3);
    }

    void touchPressesButtons() {
        QPushButton* samp = m_window->controls().cmdSamp;
        QSignalSpy pressed(samp, &QPushButton::pressed);
        QSignalSpy clicked(samp, &QPushButton::clicked);
        std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
        const QPoint centre = samp->rect().center();
        QTest::touchEvent(samp, screen.get()).press(0, centre);
        QCOMPARE(pressed.count(), 1);
        QVERIFY(samp->isDown());
        QCOMPARE(clicked.count(), 0);
        QTest::touchEvent(samp, screen.get()).release(0, centre);
        QCOMPARE(clicked.count(), 1);
        QVERIFY(!samp->isDown());
    }

    // Holding a finger on "↑" repeats its step until the finger lifts.
    void touchHoldRepeats() {
        TextPanel& panel = m_window->textPanel();
        panel.setText("あ\nい\nう\nえ\nお_");
        panel.select(panel.length() - 1, 1);
        QPushButton* up = m_window->controls().cmdRes[4];
        std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
        QTest::touchEvent(up, screen.get()).press(0, up->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(panel.selStart(), 0, 3000);
        QTest::touchEvent(up, screen.get()).release(0, up->rect().center());
        QVERIFY(!m_window->state().keyHeld);
    }

    // Two quick taps by touch are two taps: with "OPT1" 1 they open the panel.
    void touchDoubleTapIsTwoTaps() {
        m_window.reset();
        m_opt1 = "1";
        init();
        Grid* board = m_window->controls().grdBoard;
        std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
        const QPoint centre = board->cellRect(0, 2).center();
        for (int tap = 0; tap < 2; ++tap) {
            QTest::touchEvent(board->viewport(), screen.get()).press(0, centre);
            QTest::touchEvent(board->viewport(), screen.get()).release(0, centre);
        }
        QVERIFY(m_window->controls().fraSet->isVisible());
    }
};

QTEST_MAIN(ScalingTest)
#include "scaling_test.moc"
