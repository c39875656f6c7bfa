// End to end on a real X server (Xvfb), run by CTest under xvfb-run: the
// program scans with its own timer while xdotool presses Space at moments
// worked out from the scan time, and its pointer filter dwells while xdotool
// moves the X pointer as a head mouse moves it. The text panel reads back
// what was entered.
#include "access/pointer_filter.h"
#include "access/scan_controller.h"
#include "access/target.h"
#include "window_fixture.h"

#include <QGuiApplication>
#include <QProcess>

class AccessXvfbTest : public QObject {
    Q_OBJECT

    static constexpr int kStepMs = 1500;
    static constexpr double kFirstFactor = 1.5;

    // Seconds from the start of a level to the middle of its k-th step.
    static double middleOfStep(int k) {
        const double first = kStepMs * kFirstFactor / 1000;
        const double step = kStepMs / 1000.0;
        return k == 0 ? first / 2 : first + (k - 1) * step + step / 2;
    }
    static void xdotool(const QStringList& arguments) {
        QProcess process;
        process.start("xdotool", arguments);
        const bool done = process.waitForFinished(10000);
        QVERIFY2(done && process.exitCode() == 0,
                 qPrintable("xdotool: " + process.errorString() + process.readAllStandardError()));
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != "xcb")
            QFAIL("needs an X server: run under xvfb-run with QT_QPA_PLATFORM=xcb");
    }

    void scanningSpellsAWordWithSpace() {
        WindowFixture f;
        f.fakes.store.values = {{"OPT1", "2"},
                                {"Samp", "0"},
                                {"Scan/Enabled", "1"},
                                {"Scan/StepMs", QString::number(kStepMs)},
                                {"Scan/FirstFactor", QString::number(kFirstFactor)}};
        TalkWindow& window = f.open();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(window.scan());
        QTRY_VERIFY(window.scan()->scannedWindow() == &window);

        // い: the あ column (group 0), its second cell; ぬ: the な column
        // (group 4), its third cell. Each press starts the next level.
        QStringList arguments;
        for (const int k : {0, 1, 4, 2})
            arguments << "sleep" << QString::number(middleOfStep(k), 'f', 3) << "key"
                      << "space";
        window.scan()->rebuild(); // the scan starts now, with the clock below
        QProcess presses;
        presses.start("xdotool", arguments);
        QVERIFY(presses.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(presses.state() == QProcess::NotRunning, 40000);
        QCOMPARE(presses.exitCode(), 0);
        QTRY_COMPARE(f.text(), QString("いぬ_"));
    }

    void dwellOnThreeCellsEntersThem() {
        WindowFixture f;
        f.fakes.store.values = {
            {"OPT1", "2"}, {"Samp", "0"}, {"Pointer/Dwell", "1"}, {"Pointer/DwellMs", "300"}};
        xdotool({"mousemove", "1270", "1010"}); // off the window that is about to show
        TalkWindow& window = f.open();
        QVERIFY(window.pointerFilter() && window.pointerFilter()->isInstalled());

        Grid* board = f.c().grdBoard;
        QString entered;
        for (const QPoint cell : {QPoint(9, 0), QPoint(8, 1), QPoint(7, 2)}) {
            const QPoint centre = access::globalRect({board, cell.y(), cell.x()}).center();
            xdotool({"mousemove", QString::number(centre.x()), QString::number(centre.y())});
            entered += board->text(cell.y(), cell.x());
            QTRY_COMPARE_WITH_TIMEOUT(f.text(), entered + "_", 10000);
        }
        QCOMPARE(entered, QString("あきす"));
    }
};

QTEST_MAIN(AccessXvfbTest)
#include "access_xvfb_test.moc"
