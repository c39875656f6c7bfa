// The pointer moves through the window system, as a head mouse's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "access/pointer_filter.h"
#include "access/pointer_options_page.h"
#include "access/pointer_value_row.h"
#include "access/scan_controller.h"
#include "access/scan_options_page.h"
#include "access/scan_stepper.h"
#include "access/switch_key_button.h"
#include "app/confirm_dialog.h"
#include "app/extended_options_dialog.h"
#include "app/options_dialog.h"
#include "manual_access_clock.h"
#include "platform/asker.h"
#include "window_fixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>

namespace {
class EmptyPage final : public OptionsPage {
public:
    QString title() const override { return "other"; }
    void load(const SettingsStore&) override {}
    void save(SettingsStore&) const override {}
};
} // namespace

// The options of scanning and dwell: the [Scan] keys read with their ranges,
// shown and written by the page, switch keys chosen by pressing them;
// scanning and dwell present in the main window only while they are on. A
// head-mouse user reaches every control of the dialogs by dwell, the dwell
// time itself included.
class AccessOptionsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ManualAccessClock> clock;
    std::unique_ptr<PointerFilter> filter;

    // Puts a dwell filter in front of every window.
    void startDwell() {
        clock = std::make_unique<ManualAccessClock>();
        filter = std::make_unique<PointerFilter>(*clock);
        PointerSettings dwell;
        dwell.dwell = true;
        filter->setSettings(dwell);
    }
    void advance(int ms) { clock->advance(ms); }
    // Rests on the widget's centre (or the point given) until it is selected.
    void dwellOn(QWidget* widget, QPoint at = {}, int ms = 1000) {
        QTest::mouseMove(widget, at.isNull() ? widget->rect().center() : at);
        advance(ms + PointerFilter::kPressShowMs);
    }

private slots:
    void cleanup() { filter.reset(); }

    void readWithDefaultsAndRanges() {
        MemorySettingsStore store;
        QCOMPARE(readScanSettings(store), ScanSettings());
        store.values = {{"Scan/Enabled", "1"},   {"Scan/StepMs", "50"},   {"Scan/FirstFactor", "x"},
                        {"Scan/Rounds", "0"},    {"Scan/AcceptMs", "-5"}, {"Scan/Key1", "Return"},
                        {"Scan/Key2", "Return"}, {"Scan/Switches", "2"},  {"Scan/Cue", "1"}};
        const ScanSettings s = readScanSettings(store);
        QVERIFY(s.enabled && s.cue && !s.click);
        QCOMPARE(s.firstFactor, 1.5);
        // switch 2 never has switch 1's key
        QCOMPARE(QList<int>({s.switches, s.stepMs, s.rounds, s.acceptMs, s.key1, s.key2}),
                 QList<int>({2, 300, 1, 0, Qt::Key_Return, Qt::Key_Space}));
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
            f.extendedOptions([](QWidget* extended) {
                for (const char* button : {"chkScan", "chkDwell", "cmdOK(1)"})
                    WindowFixture::clickIn(extended, button);
            });
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

    void optionsDialogWithItsDropDownList() {
        startDwell();
        MemorySettingsStore store;
        OptionsDialog dialog(store);
        dialog.load(Settings{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        advance(1000); // the dead time of the dialog's opening

        dwellOn(dialog.Option1[3]);
        QVERIFY(dialog.Option1[3]->isChecked());
        // its caption is far shorter than the box: a tap there acts all the same
        dwellOn(dialog.chkMaxC);
        QVERIFY(dialog.chkMaxC->isChecked());

        dwellOn(dialog.cmbSample);
        QAbstractItemView* list = dialog.cmbSample->view();
        QVERIFY(list->isVisible());
        // the list opened as the combo box was pressed, 120 ms ago: that
        // change of board holds the dwell for its dead time
        const QPoint item = access::globalRect({list, 3, 0}).center();
        QTest::mouseMove(list->viewport(), list->viewport()->mapFromGlobal(item));
        advance(1379);
        QVERIFY(list->isVisible());
        advance(1);
        QVERIFY(!list->isVisible());
        QCOMPARE(dialog.cmbSample->currentText(), QString("４"));

        // the list's closing has its dead time too
        QSignalSpy more(&dialog, &OptionsDialog::extendedOptionsWanted);
        dwellOn(dialog.cmdMore, {}, 1500);
        QCOMPARE(more.count(), 1);
        dwellOn(dialog.cmdOK[1]);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // The user sets the dwell time itself, on its page among the others.
    void extendedOptionsWithThePointerPage() {
        startDwell();
        MemorySettingsStore store;
        ExtendedOptionsDialog dialog(store);
        auto* page = new PointerOptionsPage;
        dialog.addPage(new EmptyPage);
        dialog.addPage(page);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        advance(1000);

        QTabBar* tabs = dialog.tabPages->tabBar();
        dwellOn(tabs, tabs->tabRect(1).center());
        QCOMPARE(dialog.tabPages->currentIndex(), 1);

        QCOMPARE(page->rowDwellMs->lblValue->text(), QString("1.0 秒"));
        dwellOn(page->rowDwellMs->cmdUp);
        QCOMPARE(page->rowDwellMs->lblValue->text(), QString("1.1 秒"));
        dwellOn(page->chkDwell);
        QVERIFY(page->chkDwell->isChecked());
        dwellOn(dialog.cmdOK[1]);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(readPointerSettings(store).dwellMs, 1100);
        QVERIFY(readPointerSettings(store).dwell);
    }

    // Its buttons are hard to undo: they take twice the dwell time.
    void confirmationDialog() {
        startDwell();
        ConfirmDialog dialog;
        dialog.prepare("はじめからでよろしいですか？", Asker::OkCancel, "例文登録");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        advance(1000);
        QTest::mouseMove(dialog.cmdOK[1]);
        advance(1999 + PointerFilter::kPressShowMs);
        QVERIFY(dialog.isVisible());
        advance(1);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.answer());
    }
};

QTEST_MAIN(AccessOptionsTest)
#include "access_options_test.moc"
