// End to end on a real X server (Xvfb): the X pointer, moved by xdotool as a
// head mouse moves it, rests on three board cells in turn; the text panel
// reads back what the dwells entered. Run by CTest under xvfb-run.
#include "access/pointer_filter.h"
#include "access/target.h"
#include "window_fixture.h"

#include <QGuiApplication>
#include <QProcess>

class PointerXvfbTest : public QObject {
    Q_OBJECT

    static void pointerTo(const QPoint& global) {
        QProcess xdotool;
        xdotool.start("xdotool",
                      {"mousemove", QString::number(global.x()), QString::number(global.y())});
        const bool done = xdotool.waitForFinished(10000);
        QVERIFY2(done && xdotool.exitCode() == 0,
                 qPrintable("xdotool: " + xdotool.errorString() + xdotool.readAllStandardError()));
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != "xcb")
            QFAIL("needs an X server: run under xvfb-run with QT_QPA_PLATFORM=xcb");
    }

    void dwellOnThreeCellsEntersThem() {
        WindowFixture f;
        f.fakes.store.values = {
            {"OPT1", "2"}, {"Samp", "0"}, {"Pointer/Dwell", "1"}, {"Pointer/DwellMs", "300"}};
        pointerTo({1270, 1010}); // off the window that is about to show
        TalkWindow& window = f.open();
        QVERIFY(window.pointerFilter() && window.pointerFilter()->isInstalled());

        Grid* board = f.c().grdBoard;
        QString entered;
        for (const QPoint cell : {QPoint(9, 0), QPoint(8, 1), QPoint(7, 2)}) {
            pointerTo(access::globalRect({board, cell.y(), cell.x()}).center());
            entered += board->text(cell.y(), cell.x());
            QTRY_COMPARE_WITH_TIMEOUT(f.text(), entered + "_", 10000);
        }
        QCOMPARE(entered, QString("あきす"));
    }
};

QTEST_MAIN(PointerXvfbTest)
#include "pointer_xvfb_test.moc"
