#include "access/target.h"
#include "text/edit_buttons.h"
#include "window_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

// Targets found where a tap would act, and selected exactly as a tap does.
class TargetTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    access::Target cellTarget(Grid* grid, int row, int col) {
        return access::targetAt(grid->viewport(), grid->cellRect(row, col).center());
    }

private slots:
    void init() {
        f = std::make_unique<WindowFixture>();
        f->fakes.store.values = {{"OPT1", "2"}, {"Samp", "0"}};
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
};

QTEST_MAIN(TargetTest)
#include "target_test.moc"
