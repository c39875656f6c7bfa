#include "access/accessibility.h"
#include "access/target.h"
#include "text/edit_buttons.h"
#include "window_fixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

// Targets found where a tap would act, and selected exactly as a tap does;
// what assistive technology finds in the main window: named cells, rows and
// buttons whose one action does what a tap does.
class TargetTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    access::Target cellTarget(Grid* grid, int row, int col) {
        return access::targetAt(grid->viewport(), grid->cellRect(row, col).center());
    }
    static QAccessibleInterface* of(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
    // The child of a grid's interface named name.
    static QAccessibleInterface* named(QObject* grid, const QString& name) {
        QAccessibleInterface* iface = of(grid);
        for (int i = 0; i < iface->childCount(); ++i)
            if (iface->child(i)->text(QAccessible::Name) == name)
                return iface->child(i);
        return nullptr;
    }
    static void press(QAccessibleInterface* iface) {
        QVERIFY(iface);
        QCOMPARE(iface->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::pressAction()});
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

private slots:
    void initTestCase() { access::installAccessibility(); }
    void init() {
        f = std::make_unique<WindowFixture>();
        f->fakes.store.values.insert("Samp", "0"); // no candidates over the board
        QStringList phrases{"ああああ日記ダミー消さないでね！", "ああああ日記ダミー消さないでね！",
                            "ありがとう", "いいよ"};
        for (int i = 10; i < 40; ++i)
            phrases.append(QString("うみ%1").arg(i));
        f->writeFile("Talk.txt", phrases);
        f->open();
    }
    void cleanup() { f.reset(); }

    void targetsAreCellsButtonsAndTappableLabels() {
        Grid* board = f->c().grdBoard;
        const access::Target a = cellTarget(board, 0, 9);
        QVERIFY(a.isCell() && a.widget == board && a.row == 0 && a.col == 9);
        QCOMPARE(access::targetAt(f->c().cmdRead, {3, 3}).widget.data(),
                 static_cast<QWidget*>(f->c().cmdRead));
        // the text panel and the frames act on no tap
        QVERIFY(!access::targetAt(f->c().txtTalk->viewport(), {5, 5}).isValid());
        QVERIFY(!access::targetAt(f->c().fraRes, {1, 1}).isValid());
        f->c().cmdRead->setEnabled(false);
        QVERIFY(!access::targetAt(f->c().cmdRead, {3, 3}).isValid());
        f->c().cmdRead->setEnabled(true);

        const QPoint centre = access::globalRect(a).center();
        QCOMPARE(access::targetAt(centre), a);
    }

    // An activation acts as a tap: a cell enters its character, a repeating
    // button takes one step. The filters in front of the targets tell it
    // from the user's own taps.
    void activationActsAsATapAndIsToldApart() {
        struct Watch : QObject {
            QList<bool> presses;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::MouseButtonPress)
                    presses.append(access::isActivation(event));
                return false;
            }
        } watch;
        f->window().state().settings.opt1 = 2; // a tap enters its character
        qApp->installEventFilter(&watch);
        access::activate(cellTarget(f->c().grdBoard, 0, 9)); // あ
        QTest::mouseClick(f->c().grdBoard->viewport(), Qt::LeftButton, {},
                          f->c().grdBoard->cellRect(1, 8).center()); // き
        qApp->removeEventFilter(&watch);
        QCOMPARE(watch.presses, QList<bool>({true, false}));
        QCOMPARE(f->text(), QString("あき_"));
        access::activate(access::targetAt(f->c().cmdRes[2], {2, 2})); // ←
        QCOMPARE(f->panel().selStart(), 1);
        QVERIFY(!f->window().editButtons().isRepeating());
    }

    // A tap reaches neither a window behind a modal dialog nor anything
    // beside an open drop-down list (it only closes the list); the list's
    // items are targets.
    void blockedWindowsHaveNoTargets() {
        const QPoint cell = access::globalRect(cellTarget(f->c().grdBoard, 0, 9)).center();
        QDialog dialog(&f->window());
        dialog.resize(120, 60);
        QTimer::singleShot(0, [&] {
            QVERIFY(!access::targetAt(cell).isValid());
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(access::targetAt(cell).isValid());

        QWidget other;
        auto* combo = new QComboBox(&other);
        combo->addItems({"1", "2", "3"});
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        const access::Target box = access::targetAt(combo->mapToGlobal(combo->rect().center()));
        QCOMPARE(box.widget.data(), static_cast<QWidget*>(combo));
        access::activate(box);
        QAbstractItemView* list = combo->view();
        QVERIFY(list->isVisible());
        QVERIFY(!access::targetAt(cell).isValid());
        const access::Target item{list, 2, 0};
        QCOMPARE(access::targetAt(access::globalRect(item).center()), item);
        access::activate(item);
        QCOMPARE(combo->currentIndex(), 2);
        QVERIFY(access::targetAt(cell).isValid());
    }

    // Cells found by name and place, entered through the board and the
    // selection panel as a screen reader or a switch tool enters them; the
    // grids' and buttons' names and roles are found the whole way through
    // the accessibility bus by atspi_test.py.
    void boardAndPanelCellsEnterAsTapsDo() {
        QAccessibleInterface* board = of(f->c().grdBoard);
        QCOMPARE(board->childCount(), 50);
        QAccessibleInterface* a = named(f->c().grdBoard, "あ");
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::Button);
        QCOMPARE(board->indexOfChild(a), 9);
        QCOMPARE(board->childAt(a->rect().center().x(), a->rect().center().y()), a);
        QVERIFY(a->state().invisible == false);
        QVERIFY(of(f->c().grdBoard2)->child(4)->state().invisible);
        press(a);
        QTRY_VERIFY(f->c().fraSet->isVisible());
        press(named(f->c().grdBoard2, "あ"));
        QTRY_COMPARE(f->text(), QString("あ_"));
        // a hidden cell takes no tap
        named(f->c().grdBoard2, "い")
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(20);
        QCOMPARE(f->text(), QString("あ_"));
    }

    // Buttons are named by their captions, the arrows by words; list rows by
    // their texts, and pressing one chooses it.
    void buttonsAndListRows() {
        QCOMPARE(of(f->c().cmdRes[0])->text(QAccessible::Name), QString("右へ"));
        QAccessibleInterface* samp = of(f->c().cmdSamp);
        QCOMPARE(samp->text(QAccessible::Name), QString("例文表示"));
        press(samp);
        QTRY_VERIFY(f->c().grdEx->isVisible());
        QCOMPARE(samp->text(QAccessible::Name), QString("例文終了"));

        QAccessibleInterface* list = of(f->c().grdEx);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), f->c().grdEx->rows());
        QCOMPARE(list->child(0)->text(QAccessible::Name), QString("あ行 日記"));
        QAccessibleInterface* row = named(f->c().grdEx, "ありがとう");
        QVERIFY(row);
        QCOMPARE(row->role(), QAccessible::ListItem);
        press(row);
        QTRY_COMPARE(f->window().state().selectedRow, list->indexOfChild(row));
        // a row below the visible ones is scrolled to and chosen
        QAccessibleInterface* last = list->child(list->childCount() - 1);
        QVERIFY(last->state().offscreen);
        press(last);
        QTRY_COMPARE(f->window().state().selectedRow, list->childCount() - 1);
        // a row past the end of a shortened list is gone
        f->c().grdEx->setRows(1);
        QVERIFY(!row->isValid());
    }
};

QTEST_MAIN(TargetTest)
#include "target_test.moc"
