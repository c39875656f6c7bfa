// The user's presses go through the window system here, as a finger's and a
// mouse's do, so that they meet the filters where the filters stand.
#define QTEST_QPA_MOUSE_HANDLING

#include "access/pointer_filter.h"
#include "access/pointer_mark_view.h"
#include "access/scan_controller.h"
#include "manual_access_clock.h"
#include "platform/back_color.h"
#include "platform/colors.h"
#include "text/edit_buttons.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFrame>
#include <QPointingDevice>
#include <QPushButton>

// Dwell and the touch filters in front of the main window's targets, on a
// clock moved by hand.
class PointerFilterTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;
    std::unique_ptr<ManualAccessClock> clock;
    std::unique_ptr<PointerFilter> filter;
    std::unique_ptr<QPointingDevice> screen;

    // Opens the window with "OPT1" (2: a tap enters its character) and no
    // phrase candidates, the filters in front of it.
    void start(const PointerSettings& settings, const QString& opt1 = "2") {
        f->fakes.store.values = {{"OPT1", opt1}, {"Samp", "0"}};
        f->open();
        filter = std::make_unique<PointerFilter>(*clock);
        filter->watchBoard(f->c());
        filter->setSettings(settings);
        // A move to where the pointer already is would be no move at all.
        rest();
    }
    static PointerSettings dwell() {
        PointerSettings s;
        s.dwell = true;
        return s;
    }
    QPoint cell(const QString& text) { return WindowFixture::centreOf(f->c().grdBoard, text); }
    QWidget* board() { return f->c().grdBoard->viewport(); }
    void advance(int ms) { clock->advance(ms); }
    // The pointer rests off every target.
    void rest() { QTest::mouseMove(f->c().txtTalk->viewport(), {20, 20}); }
    void touchPress(QWidget* widget, QPoint at) {
        QTest::touchEvent(widget, screen.get()).press(0, at);
    }
    void touchMove(QWidget* widget, QPoint at) {
        QTest::touchEvent(widget, screen.get()).move(0, at);
    }
    void touchRelease(QWidget* widget, QPoint at) {
        QTest::touchEvent(widget, screen.get()).release(0, at);
    }

private slots:
    void init() {
        f = std::make_unique<WindowFixture>();
        clock = std::make_unique<ManualAccessClock>();
        screen.reset(QTest::createTouchDevice());
    }
    void cleanup() {
        filter.reset();
        f.reset();
    }

    // Dwell selects once, with its mark on the cell. While the tap's voice
    // plays the board takes no taps and has no targets; the pointer resting
    // on the cell has not left it by that (leaving and coming back:
    // pointer_rules_test).
    void dwellSelectsACellOnceWithItsMark() {
        start(dwell());
        f->fakes.pause.during = [this] {
            QVERIFY(!f->c().grdBoard->isEnabled());
            advance(0);
        };
        QTest::mouseMove(board(), cell("あ"));
        advance(500);
        const PointerMarkView* view = filter->mark().view();
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->geometry(),
                 QRect(board()->mapTo(&f->window(), f->c().grdBoard->cellRect(0, 9).topLeft()),
                       f->c().grdBoard->cellRect(0, 9).size()));
        QVERIFY(view->progress() > 0.45 && view->progress() <= 0.5);
        advance(499);
        QCOMPARE(f->text(), QString());
        advance(1);
        QVERIFY(!view->isVisible());
        QCOMPARE(f->text(), QString("あ_"));
        f->fakes.pause.during = nullptr;
        QTest::mouseMove(board(), cell("あ") + QPoint(20, 0));
        advance(5000);
        QCOMPARE(f->text(), QString("あ_"));
    }

    // The press colours show from the moment of selection; the button acts
    // when it is released, as under a finger.
    void hardToUndoButtonsTakeTwiceTheTimeAndShowTheirPress() {
        start(dwell());
        QPushButton* start = f->c().cmdStart;
        QTest::mouseMove(start);
        advance(1999);
        QVERIFY(!start->isDown());
        advance(1);
        QVERIFY(start->isDown());
        QVERIFY(f->fakes.asker.asked.isEmpty());
        advance(PointerFilter::kPressShowMs);
        QVERIFY(!start->isDown());
        QCOMPARE(f->fakes.asker.asked.size(), 1);
        QCOMPARE(f->fakes.asker.asked.first().message, QString("はじめからでよろしいですか？"));

        QPushButton* samp = f->c().cmdSamp;
        QTest::mouseMove(samp);
        advance(1000);
        QCOMPARE(backColor(samp), bgrColor(0xC00000));
        QVERIFY(!f->c().grdEx->isVisible());
        advance(PointerFilter::kPressShowMs);
        QCOMPARE(backColor(samp), bgrColor(0xFFC0C0));
        QVERIFY(f->c().grdEx->isVisible());
    }

    // Nothing is selected for the dead time after the panel opens or closes.
    void theBoardChangingStartsTheDeadTime() {
        start(dwell(), "0");
        QTest::mouseMove(board(), cell("き"));
        advance(1000);
        Grid* panel = f->c().grdBoard2;
        QTest::mouseMove(panel->viewport(), panel->cellRect(1, 1).center());
        advance(1499);
        QCOMPARE(f->text(), QString());
        advance(1);
        QCOMPARE(f->text(), QString("き_"));
        QVERIFY(!f->c().fraSet->isVisible());
        advance(10000);
        QCOMPARE(f->text(), QString("き_"));
    }

    // A short and a long press; the caret buttons still repeat while held,
    // once the hold time is met.
    void holdToSelectWithAShortAndALongPress() {
        PointerSettings s;
        s.holdMs = 300;
        start(s);
        QTest::mousePress(board(), Qt::LeftButton, {}, cell("あ"));
        advance(299);
        QTest::mouseRelease(board(), Qt::LeftButton, {}, cell("あ"));
        QCOMPARE(f->text(), QString());
        // a finger held long enough: the cell shows its press, then enters
        const QPoint tsu = cell("つ");
        touchPress(board(), tsu);
        advance(300);
        QCOMPARE(f->c().grdBoard->cells().color(2, 6), bgrColor(colors::kHighlight));
        QCOMPARE(f->text(), QString());
        touchRelease(board(), tsu);
        QCOMPARE(f->text(), QString("つ_"));

        f->panel().setText("あいうえお_");
        f->panel().select(5, 1);
        QPushButton* left = f->c().cmdRes[2];
        QTest::mousePress(left, Qt::LeftButton);
        advance(299);
        QCOMPARE(f->panel().selStart(), 5);
        QVERIFY(!f->window().editButtons().isRepeating());
        advance(1);
        QCOMPARE(f->panel().selStart(), 4);
        QVERIFY(f->window().editButtons().isRepeating());
        QTRY_COMPARE(f->panel().selStart(), 2);
        QTest::mouseRelease(left, Qt::LeftButton);
        QVERIFY(!f->window().editButtons().isRepeating());
        QVERIFY(!f->window().state().keyHeld);
    }

    // Sliding along the board and lifting enters the last cell alone.
    void selectOnReleaseEntersOnlyTheLastCell() {
        PointerSettings s;
        s.onRelease = true;
        start(s);
        QTest::mousePress(board(), Qt::LeftButton, {}, cell("あ"));
        QTest::mouseMove(board(), cell("い"));
        QTest::mouseMove(board(), cell("う"));
        QVERIFY(filter->mark().isShown());
        QTest::mouseRelease(board(), Qt::LeftButton, {}, cell("え"));
        QCOMPARE(f->text(), QString("え_"));
        touchPress(board(), cell("ふ"));
        touchMove(board(), cell("ぬ"));
        touchRelease(board(), cell("つ"));
        QCOMPARE(f->text(), QString("えつ_"));
        // lifted off every target, the slide selects nothing
        touchPress(board(), cell("ふ"));
        touchRelease(f->c().txtTalk->viewport(), {20, 20});
        QCOMPARE(f->text(), QString("えつ_"));
    }

    void ignoreRepeatsLetsOneOfTwoQuickTapsThrough() {
        PointerSettings s;
        s.ignoreRepeatMs = 300;
        start(s);
        f->tapBoard("あ");
        advance(100);
        f->tapBoard("あ");
        QCOMPARE(f->text(), QString("あ_"));
        advance(200);
        f->tapBoard("あ");
        QCOMPARE(f->text(), QString("ああ_"));
    }

    // "OPT1" 3: the second selection of the same cell enters it, under
    // every filter.
    void twoTapModeUnderEachFilter_data() {
        QTest::addColumn<QString>("way");
        for (const char* way : {"dwell", "hold", "release", "repeats"})
            QTest::newRow(way) << QString(way);
    }
    void twoTapModeUnderEachFilter() {
        QFETCH(QString, way);
        PointerSettings s;
        s.dwell = way == "dwell";
        s.holdMs = way == "hold" ? 300 : 0;
        s.onRelease = way == "release";
        s.ignoreRepeatMs = way == "repeats" ? 300 : 0;
        start(s, "3");
        const QPoint ka = cell("か");
        for (int selection = 0; selection < 2; ++selection) {
            QCOMPARE(f->text(), QString());
            if (s.dwell) {
                QTest::mouseMove(board(), ka);
                advance(1000);
                rest();
            } else {
                QTest::mousePress(board(), Qt::LeftButton, {}, ka);
                advance(s.holdMs);
                QTest::mouseRelease(board(), Qt::LeftButton, {}, ka);
                advance(s.ignoreRepeatMs);
            }
        }
        QCOMPARE(f->text(), QString("か_"));
    }

    // Switch scanning and dwell on together, as one person may use a head
    // mouse and a switch: each selects the target it is on, and neither
    // disturbs the other.
    void switchAndDwellEachSelectTheirTarget() {
        start(dwell());
        ManualAccessClock scanClock;
        ScanSettings scanning;
        scanning.enabled = true;
        TalkWindow& w = f->window();
        ScanController scan(ScanParts{&w, f->c(), w.layout(), w.voice()}, scanning, scanClock);
        const auto space = [&w] {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &w, Qt::Key_Space);
        };

        QTest::mouseMove(board(), cell("か")); // while the scan runs over the board
        scanClock.advance(700);
        advance(1000);
        QCOMPARE(f->text(), QString("か_"));
        // the switch, with the pointer resting on か: the scan starts again
        // from the あ column, and its selection enters あ, not か
        scanClock.advance(400);
        space();
        scanClock.advance(400);
        space();
        QCOMPARE(f->text(), QString("かあ_"));
        advance(3000);
        QCOMPARE(f->text(), QString("かあ_"));
        QTest::mouseMove(board(), cell("さ"));
        advance(1000);
        QCOMPARE(f->text(), QString("かあさ_"));
    }
};

QTEST_MAIN(PointerFilterTest)
#include "pointer_filter_test.moc"
