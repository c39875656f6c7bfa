// The pointer moves through the window system, as a head mouse's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "access/pointer_filter.h"
#include "access/pointer_options_page.h"
#include "access/pointer_value_row.h"
#include "app/confirm_dialog.h"
#include "app/extended_options_dialog.h"
#include "app/options_dialog.h"
#include "fakes.h"
#include "manual_pointer_clock.h"
#include "platform/asker.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {
class EmptyPage final : public OptionsPage {
public:
    QString title() const override { return "other"; }
    void load(const SettingsStore&) override {}
    void save(SettingsStore&) const override {}
};
} // namespace

// A head-mouse user reaches every control of the dialogs by dwell, the
// dwell time itself included.
class PointerDialogsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ManualPointerClock> clock;
    std::unique_ptr<PointerFilter> filter;

    void advance(int ms) { clock->advance(ms); }
    // Rests on the widget's centre (or the point given) until it is selected.
    void dwellOn(QWidget* widget, QPoint at = {}, int ms = 1000) {
        QTest::mouseMove(widget, at.isNull() ? widget->rect().center() : at);
        advance(ms + PointerFilter::kPressShowMs);
    }

private slots:
    void init() {
        clock = std::make_unique<ManualPointerClock>();
        filter = std::make_unique<PointerFilter>(*clock);
        PointerSettings dwell;
        dwell.dwell = true;
        filter->setSettings(dwell);
    }
    void cleanup() { filter.reset(); }

    void optionsDialogWithItsDropDownList() {
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

QTEST_MAIN(PointerDialogsTest)
#include "pointer_dialogs_test.moc"
