#include "access/target.h"
#include "text/edit_buttons.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

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

    void activationActsAsATap() {
        access::activate(cellTarget(f->c().grdBoard, 0, 9)); // あ
        access::activate(cellTarget(f->c().grdBoard, 1, 8)); // き
        QCOMPARE(f->text(), QString("あき_"));
        access::activate(access::targetAt(f->c().cmdRes[2], {2, 2})); // ←
        QCOMPARE(f->panel().selStart(), 1);
        QVERIFY(!f->window().editButtons().isRepeating());
    }

    // The filters in front of the targets tell the program's own taps from
    // the user's.
    void activationsAreToldApart() {
        struct Watch : QObject {
            QList<bool> presses;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::MouseButtonPress)
                    presses.append(access::isActivation(event));
                return false;
            }
        } watch;
        qApp->installEventFilter(&watch);
        QTest::mouseClick(f->c().cmdKey, Qt::LeftButton);
        access::activate(access::targetAt(f->c().cmdKey, {2, 2}));
        qApp->removeEventFilter(&watch);
        QCOMPARE(watch.presses, QList<bool>({false, true}));
        QCOMPARE(f->c().cmdKey->text(), QString("英数")); // both pressed it
    }
};

QTEST_MAIN(TargetTest)
#include "target_test.moc"
