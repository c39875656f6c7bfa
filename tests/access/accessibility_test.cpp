#include "access/accessibility.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPushButton>

// What assistive technology finds in the main window: named cells, rows and
// buttons whose one action does what a tap does.
class AccessibilityTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

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

    // Cells found by name and place, entered through the board and the
    // selection panel as a screen reader or a switch tool enters them (the
    // whole way through the accessibility bus: atspi_test.py).
    void boardAndPanelCellsEnterAsTapsDo() {
        QAccessibleInterface* board = of(f->c().grdBoard);
        QCOMPARE(board->role(), QAccessible::Table);
        QCOMPARE(board->text(QAccessible::Name), QString("文字盤"));
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
        QCOMPARE(of(f->c().cmdUp)->text(QAccessible::Name), QString("上の行へ"));
        QAccessibleInterface* samp = of(f->c().cmdSamp);
        QCOMPARE(samp->role(), QAccessible::Button);
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

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
