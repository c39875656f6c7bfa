#include "platform/back_color.h"
#include "platform/colors.h"
#include "platform/twip_layout.h"
#include "text/edit_buttons.h"
#include "window_fixture.h"

#include <QFrame>
#include <QPushButton>

class EditButtonsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<WindowFixture> f;

    EditButtons& buttons() { return f->window().editButtons(); }
    int& selectedRow() { return f->window().state().selectedRow; }
    void show(const QString& text, int block) {
        f->panel().setText(text);
        f->panel().select(block, 1);
    }
    static bool lit(const Grid& grid, int row) {
        return grid.cells().color(row, 0) == bgrColor(colors::kHighlight);
    }
    // Presses the button and runs the given number of its repetitions.
    void hold(QPushButton* button, int repeats) {
        QTest::mousePress(button, Qt::LeftButton);
        repeat(repeats);
    }
    void repeat(int times) {
        for (int i = 0; i < times; ++i)
            buttons().repeatStep();
    }

private slots:
    void init() {
        f = std::make_unique<WindowFixture>();
        f->open();
    }
    void cleanup() { f.reset(); }

    // "→" repeats on its timer and stops on the last character; "ＢＳ" acts
    // once; a held button that is hidden lets go.
    void holdingRightRepeatsUntilTheEnd() {
        show("あいうえおかきくけこ_", 0);
        QTest::mousePress(f->c().cmdRes[0], Qt::LeftButton);
        QCOMPARE(backColor(f->c().cmdRes[0]), bgrColor(0x808080));
        QTRY_COMPARE_WITH_TIMEOUT(f->panel().selStart(), 3, 2000);
        repeat(10);
        QCOMPARE(f->panel().selStart(), 10);
        QVERIFY(!buttons().isRepeating());
        QTest::mouseRelease(f->c().cmdRes[0], Qt::LeftButton);
        QVERIFY(!f->window().state().keyHeld);
        QCOMPARE(backColor(f->c().cmdRes[0]), bgrColor(colors::kWhite));
        hold(f->c().cmdRes[1], 0);
        QVERIFY(!buttons().isRepeating());
        QCOMPARE(f->text(), QString("あいうえおかきくけ_"));
        QTest::mouseRelease(f->c().cmdRes[1], Qt::LeftButton);

        hold(f->c().cmdRes[2], 0); // "←": hiding it while held releases it
        f->c().fraRes->hide();
        buttons().repeatStep();
        QVERIFY(!buttons().isRepeating() && !f->window().state().keyHeld);
        QCOMPARE(backColor(f->c().cmdRes[2]), bgrColor(colors::kWhite));
        QCOMPARE(f->panel().selStart(), 8);
    }

    // "▽" scrolls once the chosen row lies three below the top row, "△" on
    // every step; both stop at the list's ends.
    void listButtonsMoveTheChosenRow() {
        Grid& grid = *f->c().grdSp;
        f->c().fraTalk->show();
        grid.setRows(8);
        grid.setCols(1);
        grid.cells().paintRow(0, 0, bgrColor(colors::kHighlight));
        grid.show();
        hold(f->c().cmdDown, 1);
        QCOMPARE(grid.topRow(), 0);
        QVERIFY(!lit(grid, 0) && lit(grid, 2));
        repeat(1);
        QCOMPARE(selectedRow(), 3);
        QCOMPARE(grid.topRow(), 1);
        repeat(10);
        QCOMPARE(selectedRow(), 7);
        QVERIFY(!buttons().isRepeating());
        QTest::mouseRelease(f->c().cmdDown, Qt::LeftButton);
        const int top = grid.topRow();
        hold(f->c().cmdUp, 1); // the press and one repetition
        QCOMPARE(grid.topRow(), top - 2);
        repeat(10);
        QCOMPARE(selectedRow(), 0);
        QCOMPARE(grid.topRow(), 0);
        QVERIFY(lit(grid, 0) && !lit(grid, 7));
        QVERIFY(!buttons().isRepeating());
    }

    void copyThenPasteDoublesTheText() {
        show("あい_", 2);
        f->c().cmdCopy->click();
        f->c().cmdPaste->click();
        QCOMPARE(f->text(), QString("あい_あい_"));
        QVERIFY(f->fakes.clipboard.content.isEmpty());
    }

    void wideThenNarrowRestoresTheHeights() {
        f->c().cmdWide->click();
        f->c().cmdSamp->click(); // the phrase list brings the normal size, and its caption
        QCOMPARE(f->c().cmdWide->text(), QString("広げる"));
        f->c().cmdSamp->click();
        f->c().cmdWide->click();
        QCOMPARE(f->c().cmdWide->text(), QString("狭める"));
        QCOMPARE(f->window().layout().rect(f->c().txtTalk).height, 11115 - 3630);
        f->c().cmdWide->click();
        QCOMPARE(f->c().cmdWide->text(), QString("広げる"));
        QCOMPARE(f->c().txtTalk->height(), twipsToPixels(2295));
    }
};

QTEST_MAIN(EditButtonsTest)
#include "edit_buttons_test.moc"
