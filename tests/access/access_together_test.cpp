// The user's presses and moves go through the window system, where the
// filters stand.
#define QTEST_QPA_MOUSE_HANDLING

#include "access/pointer_filter.h"
#include "access/scan_controller.h"
#include "fake_scan_timer.h"
#include "manual_pointer_clock.h"
#include "window_fixture.h"

#include <QApplication>

// Switch scanning and dwell on together, as one person may use a head mouse
// and a switch: each selects the target it is on, and neither disturbs the
// other.
class AccessTogetherTest : public QObject {
    Q_OBJECT
    WindowFixture f;
    FakeScanTimer timer;
    ManualPointerClock clock;
    std::unique_ptr<ScanController> scan;
    std::unique_ptr<PointerFilter> pointer;

    QPoint cell(const QString& text) {
        Grid* board = f.c().grdBoard;
        for (int row = 0; row < board->rows(); ++row)
            for (int col = 0; col < board->cols(); ++col)
                if (board->text(row, col) == text)
                    return board->cellRect(row, col).center();
        qFatal("no board cell %s", qPrintable(text));
    }
    void space() {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &f.window(), Qt::Key_Space);
    }

private slots:
    void switchAndDwellEachSelectTheirTarget() {
        f.fakes.store.values = {{"OPT1", "2"}, {"Samp", "0"}};
        TalkWindow& w = f.open();
        ScanSettings scanning;
        scanning.enabled = true;
        scan = std::make_unique<ScanController>(ScanParts{&w, f.c(), w.layout(), w.voice()},
                                                scanning, timer);
        pointer = std::make_unique<PointerFilter>(clock);
        pointer->watchBoard(f.c());
        PointerSettings dwell;
        dwell.dwell = true;
        pointer->setSettings(dwell);
        QTest::mouseMove(f.c().txtTalk->viewport(), {20, 20});

        // dwell on か while the scan runs over the board
        QTest::mouseMove(f.c().grdBoard->viewport(), cell("か"));
        timer.advance(700);
        clock.advance(1000);
        QCOMPARE(f.text(), QString("か_"));

        // the switch, with the pointer resting on か: the scan starts again
        // from the あ column, and its selection enters あ, not か
        timer.advance(400);
        space();
        timer.advance(400);
        space();
        QCOMPARE(f.text(), QString("かあ_"));
        clock.advance(3000); // the resting pointer selects nothing more
        QCOMPARE(f.text(), QString("かあ_"));

        // a move to another cell dwells again
        QTest::mouseMove(f.c().grdBoard->viewport(), cell("さ"));
        clock.advance(1000);
        QCOMPARE(f.text(), QString("かあさ_"));
        pointer.reset();
        scan.reset();
    }
};

QTEST_MAIN(AccessTogetherTest)
#include "access_together_test.moc"
