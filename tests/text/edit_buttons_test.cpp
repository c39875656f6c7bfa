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
    int& selectedRow() { return m_window->state().selectedRow; }
    void show(const QString& text, int block) {
        panel().setText(text);
        panel().select(block, 1);
    }
    // A list shown in place of the board, with the given row chosen.
    Grid& showList(Grid* grid, int rows, int cols, int chosen) {
        c().fraTalk->show();
        grid->setRows(rows);
        grid->setCols(cols);
        grid->cells().paintRow(chosen, 0, bgrColor(colors::kHighlight));
        selectedRow() = chosen;
        grid->show();
        QTest::qWait(0);
        return *grid;
    }
    static bool lit(const Grid& grid, int row, int col = 0) {
        return grid.cells().color(row, col) == bgrColor(colors::kHighlight);
    }
    void hold(QPushButton* button, int repeats) {
        QTest::mousePress(button, Qt::LeftButton);
        for (int i = 0; i < repeats; ++i)
            buttons().repeatStep();
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

    void holdingRightStopsOnTheLastCharacter() {
        show("あいうえおかきくけこ_", 0);
        QTest::mousePress(c().cmdRes[0], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(panel().selStart(), 3, 2000); // driven by the timer
        for (int i = 0; i < 10; ++i)
            buttons().repeatStep();
        QCOMPARE(panel().selStart(), 10);
        QVERIFY(!buttons().isRepeating());
        QTest::mouseRelease(c().cmdRes[0], Qt::LeftButton);
        QVERIFY(!m_window->state().keyHeld);
    }

    void someStepsNeverRepeat_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::newRow("→ appending the marker") << 0 << "あい"
                                                << "あい_";
        QTest::newRow("ＢＳ") << 1 << "あいう_"
                              << "あい_";
    }
    void someStepsNeverRepeat() {
        QFETCH(int, button);
        QFETCH(QString, text);
        QFETCH(QString, after);
        show(text, text.size() - 1);
        QTest::mousePress(c().cmdRes[button], Qt::LeftButton);
        QTest::qWait(2 * EditButtons::kRepeatMilliseconds);
        QCOMPARE(panel().text(), after);
        QVERIFY(!buttons().isRepeating());
        QTest::mouseRelease(c().cmdRes[button], Qt::LeftButton);
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
        QTest::newRow("cmdSamp") << "cmdSamp" << 0xC00000u << 0xFFC0C0u;
    }
    void pressColours() {
        QFETCH(QString, name);
        QFETCH(quint32, down);
        QFETCH(quint32, up);
        c().fraTalk->show();
        auto* button = m_window->findChild<QPushButton*>(name);
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(backColor(button), bgrColor(down));
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(backColor(button), bgrColor(up));
    }

    void downScrollsOnceTheFourthRowIsChosen() {
        Grid& grid = showList(c().grdSp, 8, 1, 0);
        hold(c().cmdDown, 1);
        QCOMPARE(grid.topRow(), 0);
        QVERIFY(!lit(grid, 0) && lit(grid, 2));
        buttons().repeatStep();
        QCOMPARE(selectedRow(), 3);
        QCOMPARE(grid.topRow(), 1);
        for (int i = 0; i < 10; ++i)
            buttons().repeatStep();
        QCOMPARE(selectedRow(), 7);
        QVERIFY(!buttons().isRepeating());
        QTest::mouseRelease(c().cmdDown, Qt::LeftButton);
    }

    void upScrollsOnEveryStepAndStopsAtTheTop() {
        Grid& grid = showList(c().grdSp, 8, 1, 5);
        grid.setTopRow(4);
        hold(c().cmdUp, 1);
        QCOMPARE(selectedRow(), 3);
        QCOMPARE(grid.topRow(), 2);
        for (int i = 0; i < 10; ++i)
            buttons().repeatStep();
        QCOMPARE(selectedRow(), 0);
        QCOMPARE(grid.topRow(), 0);
        QVERIFY(lit(grid, 0) && !lit(grid, 1));
        QVERIFY(!buttons().isRepeating());
        QTest::mouseRelease(c().cmdUp, Qt::LeftButton);
    }

    void exampleListKeepsItsFirstColumn() {
        Grid& grid = showList(c().grdEx, 3, 2, 0);
        grid.cells().setColor(1, 0, bgrColor(colors::kSilver));
        c().cmdDown->click();
        QVERIFY(lit(grid, 1, 1));
        QCOMPARE(grid.cells().color(1, 0), bgrColor(colors::kSilver));
    }

    void withoutListTheButtonWaitsForRelease() {
        c().fraTalk->show();
        selectedRow() = 2;
        hold(c().cmdDown, 2);
        QVERIFY(buttons().isRepeating());
        QCOMPARE(selectedRow(), 2);
        QTest::mouseRelease(c().cmdDown, Qt::LeftButton);
        QVERIFY(!buttons().isRepeating());
    }

    void hidingAHeldButtonReleasesIt() {
        show("あいう_", 3);
        hold(c().cmdRes[2], 0);
        c().fraRes->hide();
        buttons().repeatStep();
        QVERIFY(!buttons().isRepeating());
        QVERIFY(!m_window->state().keyHeld);
        QCOMPARE(backColor(c().cmdRes[2]), bgrColor(colors::kWhite));
        QCOMPARE(panel().selStart(), 2);
    }

    void copyThenPasteDoublesTheText() {
        show("あい_", 2);
        c().cmdCopy->click();
        c().cmdPaste->click();
        QCOMPARE(panel().text(), QString("あい_あい_"));
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
        c().cmdWide->click();
        QCOMPARE(c().cmdWide->text(), QString("広げる"));
        QCOMPARE(layout.rect(c().fraText).height, 2445);
        QCOMPARE(c().txtTalk->height(), twipsToPixels(2295));
    }
};

QTEST_MAIN(EditButtonsTest)
#include "edit_buttons_test.moc"
