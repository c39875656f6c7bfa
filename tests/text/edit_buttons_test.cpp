#include "app/talk_window.h"
#include "fakes.h"
#include "platform/back_color.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/twip_layout.h"
#include "text/edit_buttons.h"
#include "text/text_panel.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <memory>

class EditButtonsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<TalkWindow> m_window;

    TalkControls& c() { return m_window->controls(); }
    TextPanel& panel() { return m_window->textPanel(); }
    EditButtons& buttons() { return m_window->editButtons(); }
    void show(const QString& text, int start, int length) {
        panel().setText(text);
        panel().select(start, length);
    }
    // A list of rows "0", "1", ... shown in place of the board, row 0 chosen.
    Grid& showList(Grid* grid, int rows, int cols) {
        grid->setRows(rows);
        grid->setCols(cols);
        for (int r = 0; r < rows; ++r)
            grid->setText(r, cols - 1, QString::number(r));
        grid->cells().paintRow(0, 0, bgrColor(colors::kHighlight));
        m_window->state().selectedRow = 0;
        grid->show();
        QTest::qWait(0);
        return *grid;
    }
    static bool highlighted(const Grid& grid, int row, int col) {
        return grid.cells().color(row, col) == bgrColor(colors::kHighlight);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        m_fakes = std::make_unique<FakeServices>();
        m_window = std::make_unique<TalkWindow>(m_fakes->services, QDir::tempPath());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        m_fakes.reset();
    }

    void holdingRightMovesToTheLastCharacter() {
        show("あいう_", 0, 1);
        QTest::mousePress(c().cmdRes[0], Qt::LeftButton);
        QCOMPARE(panel().selStart(), 1);
        QVERIFY(buttons().isRepeating());
        buttons().repeatStep();
        buttons().repeatStep();
        QCOMPARE(panel().selStart(), 3);
        buttons().repeatStep();
        QCOMPARE(panel().selStart(), 3);
        QCOMPARE(panel().selLength(), 1);
        QVERIFY(!buttons().isRepeating());
        QTest::mouseRelease(c().cmdRes[0], Qt::LeftButton);
        QVERIFY(!m_window->state().keyHeld);
    }

    void theTimerRepeatsWhileHeldOnly() {
        show("あいうえおかきくけこ_", 0, 1);
        QTest::mousePress(c().cmdRes[0], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(panel().selStart(), 3, 2000);
        QTest::mouseRelease(c().cmdRes[0], Qt::LeftButton);
        const int released = panel().selStart();
        QTest::qWait(2 * EditButtons::kRepeatMilliseconds);
        QCOMPARE(panel().selStart(), released);
    }

    void rightAppendsTheMarkerAndStopsWhileHeld() {
        show("あい", 1, 1);
        QTest::mousePress(c().cmdRes[0], Qt::LeftButton);
        QCOMPARE(panel().text(), QString("あい_"));
        QCOMPARE(panel().selStart(), 2);
        QCOMPARE(panel().selLength(), 1);
        QVERIFY(m_window->state().keyHeld);
        QVERIFY(!buttons().isRepeating());
        QTest::mouseRelease(c().cmdRes[0], Qt::LeftButton);
    }

    void backspaceDeletesOneCharacterPerPress() {
        show("あいう_", 3, 1);
        QTest::mousePress(c().cmdRes[1], Qt::LeftButton);
        QVERIFY(!buttons().isRepeating());
        QTest::qWait(2 * EditButtons::kRepeatMilliseconds);
        QCOMPARE(panel().text(), QString("あい_"));
        QTest::mouseRelease(c().cmdRes[1], Qt::LeftButton);
    }

    void hiddenPanelEndsTheRepeat() {
        show("あいう_", 0, 1);
        c().txtTalk->hide();
        QTest::mousePress(c().cmdRes[0], Qt::LeftButton);
        QCOMPARE(panel().selStart(), 0);
        QVERIFY(!buttons().isRepeating());
        QTest::mouseRelease(c().cmdRes[0], Qt::LeftButton);
    }

    void pressColours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("down");
        QTest::addColumn<quint32>("up");
        for (int i = 0; i < 5; ++i) {
            const QString name = QString("cmdRes(%1)").arg(i);
            QTest::newRow(qPrintable(name)) << name << 0x808080u << 0xFFFFFFu;
        }
        QTest::newRow("cmdUp") << "cmdUp" << 0xC000u << 0xC0FFC0u;
        QTest::newRow("cmdDown") << "cmdDown" << 0x8000u << 0x80FF80u;
        QTest::newRow("cmdCopy") << "cmdCopy" << 0x808080u << 0xFFFFFFu;
        QTest::newRow("cmdPaste") << "cmdPaste" << 0x808080u << 0xFFFFFFu;
        QTest::newRow("cmdSamp") << "cmdSamp" << 0xC00000u << 0xFFC0C0u;
    }
    void pressColours() {
        QFETCH(QString, name);
        QFETCH(quint32, down);
        QFETCH(quint32, up);
        c().fraTalk->show();
        auto* button = m_window->findChild<QPushButton*>(name);
        QVERIFY(button);
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(backColor(button), bgrColor(down));
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(backColor(button), bgrColor(up));
    }

    void downMovesTheRowAndScrollsFromTheFourth() {
        c().fraTalk->show();
        Grid& grid = showList(c().grdSp, 8, 1);
        QTest::mousePress(c().cmdDown, Qt::LeftButton);
        QCOMPARE(m_window->state().selectedRow, 1);
        QVERIFY(!highlighted(grid, 0, 0));
        QVERIFY(highlighted(grid, 1, 0));
        buttons().repeatStep();
        QCOMPARE(grid.topRow(), 0);
        buttons().repeatStep();
        QCOMPARE(m_window->state().selectedRow, 3);
        QCOMPARE(grid.topRow(), 1);
        for (int i = 0; i < 10; ++i)
            buttons().repeatStep();
        QCOMPARE(m_window->state().selectedRow, 7);
        QVERIFY(highlighted(grid, 7, 0));
        QVERIFY(!buttons().isRepeating());
        QTest::mouseRelease(c().cmdDown, Qt::LeftButton);

        // On the last row "▽" changes nothing.
        QTest::mousePress(c().cmdDown, Qt::LeftButton);
        QCOMPARE(m_window->state().selectedRow, 7);
        QVERIFY(!buttons().isRepeating());
        QTest::mouseRelease(c().cmdDown, Qt::LeftButton);
    }

    void upScrollsOnEveryStepAndStopsAtRowZero() {
        c().fraTalk->show();
        Grid& grid = showList(c().grdSp, 8, 1);
        grid.cells().paintAll(bgrColor(colors::kWhite));
        grid.cells().paintRow(5, 0, bgrColor(colors::kHighlight));
        m_window->state().selectedRow = 5;
        grid.setTopRow(4);
        QCOMPARE(grid.topRow(), 4);
        QTest::mousePress(c().cmdUp, Qt::LeftButton);
        QCOMPARE(m_window->state().selectedRow, 4);
        QCOMPARE(grid.topRow(), 3);
        buttons().repeatStep();
        QCOMPARE(grid.topRow(), 2);
        for (int i = 0; i < 10; ++i)
            buttons().repeatStep();
        QCOMPARE(m_window->state().selectedRow, 0);
        QCOMPARE(grid.topRow(), 0);
        QVERIFY(highlighted(grid, 0, 0));
        QVERIFY(!highlighted(grid, 1, 0));
        QVERIFY(!buttons().isRepeating());
        QTest::mouseRelease(c().cmdUp, Qt::LeftButton);
    }

    // grdEx keeps its heading column out of the highlight.
    void exampleListPaintsFromItsSecondColumn() {
        c().fraTalk->show();
        Grid& grid = showList(c().grdEx, 3, 2);
        grid.cells().setColor(1, 0, bgrColor(colors::kSilver));
        QTest::mousePress(c().cmdDown, Qt::LeftButton);
        QTest::mouseRelease(c().cmdDown, Qt::LeftButton);
        QVERIFY(highlighted(grid, 1, 1));
        QCOMPARE(grid.cells().color(1, 0), bgrColor(colors::kSilver));
        QCOMPARE(grid.row(), 1);
    }

    void withoutListTheButtonWaitsForRelease() {
        c().fraTalk->show();
        m_window->state().selectedRow = 2;
        QTest::mousePress(c().cmdDown, Qt::LeftButton);
        buttons().repeatStep();
        QVERIFY(buttons().isRepeating());
        QCOMPARE(m_window->state().selectedRow, 2);
        QTest::mouseRelease(c().cmdDown, Qt::LeftButton);
        QVERIFY(!buttons().isRepeating());
    }

    void copyThenPasteDoublesTheText() {
        show("あい_", 2, 1);
        c().cmdCopy->click();
        QCOMPARE(m_fakes->clipboard.content, QString("あい_"));
        c().cmdPaste->click();
        QCOMPARE(panel().text(), QString("あい_あい_"));
        QCOMPARE(panel().selStart(), 2);
        QVERIFY(m_fakes->clipboard.content.isEmpty());
        c().cmdPaste->click();
        QCOMPARE(panel().text(), QString("あい_あい_"));
    }

    void wideThenNarrowRestoresTheHeights() {
        TwipLayout& layout = m_window->layout();
        c().cmdWide->click();
        QCOMPARE(c().cmdWide->text(), QString("狭める"));
        QCOMPARE(layout.rect(c().fraText).height, 11115 - 3480);
        QCOMPARE(layout.rect(c().txtTalk).height, 11115 - 3630);
        QVERIFY(c().cmdCopy->isVisible());
        c().cmdWide->click();
        QCOMPARE(c().cmdWide->text(), QString("広げる"));
        QCOMPARE(layout.rect(c().fraText).height, 2445);
        QCOMPARE(layout.rect(c().txtTalk).height, 2295);
        QCOMPARE(c().txtTalk->height(), twipsToPixels(2295));
    }
};

QTEST_MAIN(EditButtonsTest)
#include "edit_buttons_test.moc"
