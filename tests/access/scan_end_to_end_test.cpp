#include "access/scan_controller.h"
#include "access/scanner.h"
#include "window_fixture.h"

#include <QProcess>
#include <QStandardPaths>

// The whole way, on a real X server (Xvfb): the program scans with its own
// timer, the switch is the Space key pressed by xdotool at moments worked out
// from the scan time, and the word spelt is read back from the text panel.
class ScanEndToEndTest : public QObject {
    Q_OBJECT

    static constexpr int kStepMs = 1500;
    static constexpr double kFirstFactor = 1.5;

    // Seconds from the start of a level to the middle of its k-th step.
    static double middleOfStep(int k) {
        const double first = kStepMs * kFirstFactor / 1000;
        const double step = kStepMs / 1000.0;
        return k == 0 ? first / 2 : first + (k - 1) * step + step / 2;
    }

private slots:
    void spellsAWordWithSpace() {
        const QString xdotool = QStandardPaths::findExecutable("xdotool");
        if (xdotool.isEmpty() || QGuiApplication::platformName() != "xcb")
            QSKIP("needs xdotool and an X server (run under xvfb-run)");
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
        presses.start(xdotool, arguments);
        QVERIFY(presses.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(presses.state() == QProcess::NotRunning, 40000);
        QCOMPARE(presses.exitCode(), 0);
        QTRY_COMPARE(f.text(), QString("いぬ_"));
    }
};

QTEST_MAIN(ScanEndToEndTest)
#include "scan_end_to_end_test.moc"
