#include "access/pointer_filter.h"
#include "access/scan_controller.h"
#include "access/scan_options_page.h"
#include "access/scan_stepper.h"
#include "access/switch_key_button.h"
#include "window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

// The [Scan] options: read with their ranges, shown and written by the page,
// keys chosen by pressing them; scanning and dwell present in the main window
// only while they are on.
class ScanOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void readWithDefaultsAndRanges() {
        MemorySettingsStore store;
        QCOMPARE(readScanSettings(store), ScanSettings());
        store.values = {{"Scan/Enabled", "1"},   {"Scan/StepMs", "50"},   {"Scan/FirstFactor", "x"},
                        {"Scan/Rounds", "0"},    {"Scan/AcceptMs", "-5"}, {"Scan/Key1", "Return"},
                        {"Scan/Key2", "Return"}, {"Scan/Switches", "2"},  {"Scan/Cue", "1"}};
        const ScanSettings s = readScanSettings(store);
        QVERIFY(s.enabled && s.cue && !s.click);
        QCOMPARE(s.switches, 2);
        QCOMPARE(s.stepMs, 300);
        QCOMPARE(s.firstFactor, 1.5);
        QCOMPARE(s.rounds, 1);
        QCOMPARE(s.acceptMs, 0);
        QCOMPARE(s.key1, int(Qt::Key_Return));
        QCOMPARE(s.key2, int(Qt::Key_Space)); // never the same key as switch 1
        store.values = {{"Scan/Key1", "Ctrl+A"}, {"Scan/Key2", "F5"}};
        QCOMPARE(readScanSettings(store).key1, int(Qt::Key_Space));
        QCOMPARE(readScanSettings(store).key2, int(Qt::Key_F5));
    }

    // The page shows what is stored and writes every key of [Scan]; a key is
    // chosen by pressing it, and one that the other switch had swaps over.
    void pageShowsWritesAndTakesPressedKeys() {
        MemorySettingsStore store;
        store.values = {{"Scan/StepMs", "1200"}};
        ScanOptionsPage page;
        page.load(store);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(!page.chkScan->isChecked());
        QCOMPARE(page.stepTime->value(), 1.2);
        page.stepTime->plus->click();
        page.chkScan->click();
        page.optSwitches[1]->click();

        page.cmdKey[0]->click();
        QVERIFY(page.cmdKey[0]->isListening());
        QTest::keyClick(page.cmdKey[0], Qt::Key_F5);
        QCOMPARE(page.cmdKey[0]->text(), QString("F5"));
        page.cmdKey[1]->click();
        QTest::keyClick(page.cmdKey[1], Qt::Key_F5);
        QCOMPARE(page.cmdKey[0]->text(), QString("Return"));

        page.save(store);
        const QMap<QString, QString> expected{
            {"Scan/Enabled", "1"},       {"Scan/Switches", "2"},  {"Scan/StepMs", "1300"},
            {"Scan/FirstFactor", "1.5"}, {"Scan/Rounds", "3"},    {"Scan/AcceptMs", "0"},
            {"Scan/ReleaseMs", "300"},   {"Scan/Key1", "Return"}, {"Scan/Key2", "F5"},
            {"Scan/Click", "0"},         {"Scan/Cue", "0"}};
        QCOMPARE(store.values, expected);
    }

    // Off (no [Scan] or [Pointer] keys) nothing stands in front of the
    // window; the extended options turn scanning and dwell on at once, and off.
    void theOptionsTurnScanningAndDwellOnAndOff() {
        WindowFixture f;
        f.open();
        QVERIFY(!f.window().scan() && !f.window().pointerFilter());
        for (const bool on : {true, false}) {
            QTimer::singleShot(0, [] {
                QWidget* options = QApplication::activeModalWidget();
                QTimer::singleShot(0, [options] {
                    QWidget* extended = QApplication::activeModalWidget();
                    extended->findChild<QCheckBox*>("chkScan")->click();
                    extended->findChild<QCheckBox*>("chkDwell")->click();
                    extended->findChild<QPushButton*>("cmdOK(1)")->click();
                    options->findChild<QPushButton*>("cmdOK(0)")->click();
                });
                options->findChild<QPushButton*>("cmdMore")->click();
            });
            f.c().cmdOpt->click();
            const QString stored = on ? "1" : "0";
            QCOMPARE(f.fakes.store.values.value("Scan/Enabled"), stored);
            QCOMPARE(f.fakes.store.values.value("Pointer/Dwell"), stored);
            QCOMPARE(f.window().pointerFilter()->isInstalled(), on);
            QCOMPARE(f.window().scan() != nullptr, on);
            if (on)
                QTRY_COMPARE(f.window().scan()->scannedWindow(),
                             static_cast<QWidget*>(&f.window()));
        }
    }
};

QTEST_MAIN(ScanOptionsTest)
#include "scan_options_test.moc"
