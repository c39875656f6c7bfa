#include "file_fixtures.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/grid.h"
#include "platform/twips.h"

#include <QSignalSpy>
#include <QtTest>
#include <algorithm>

// The grid's cells, where taps land and how they look.
class TestGrid : public QObject {
    Q_OBJECT
    // Rows "a0".."aN" in column 0, "b0".."bN" in column 1; row r painted r.
    static void fill(GridModel& grid, int rows) {
        grid.setCols(2);
        std::vector<QStringList> texts;
        for (int r = 0; r < rows; ++r)
            texts.push_back({QStringLiteral("a%1").arg(r), QStringLiteral("b%1").arg(r)});
        grid.setAllTexts(texts);
        for (int r = 0; r < rows; ++r)
            grid.paintRow(r, 0, QColor(r, r, r));
    }

private slots:
    void setColumnTexts() {
        GridModel grid;
        fill(grid, 4);
        QSignalSpy changed(&grid, &QAbstractItemModel::dataChanged);

        // A shorter list leaves the rows below it; one signal covers the rows written.
        grid.setColumnTexts(1, {"x", "y"});
        QCOMPARE(columnTexts(grid, 1), (QStringList{"x", "y", "b2", "b3"}));
        QCOMPARE(columnTexts(grid, 0), (QStringList{"a0", "a1", "a2", "a3"}));
        QCOMPARE(grid.color(1, 1), QColor(1, 1, 1));
        QCOMPARE(changed.count(), 1);

        // A longer list is cut at the last row.
        grid.setColumnTexts(0, {"p", "q", "r", "s", "t"});
        QCOMPARE(columnTexts(grid, 0), (QStringList{"p", "q", "r", "s"}));
        QCOMPARE(grid.rows(), 4);

        // Other column and row counts keep the cells they still hold.
        grid.setCols(3);
        QCOMPARE(columnTexts(grid, 1), (QStringList{"x", "y", "b2", "b3"}));
        QCOMPARE(grid.color(1, 2), QColor(Qt::white));
        QCOMPARE(grid.color(1, 1), QColor(1, 1, 1));
        grid.setCols(1);
        grid.setRows(5);
        QCOMPARE(columnTexts(grid, 0), (QStringList{"p", "q", "r", "s", ""}));
        QCOMPARE(grid.text(0, 1), QString());
    }

    void reorderRows() {
        GridModel grid;
        fill(grid, 4);
        const QPersistentModelIndex held = grid.index(1, 1);
        QSignalSpy changed(&grid, &QAbstractItemModel::layoutChanged);

        grid.reorderRows({2, 1, 3, 0});
        QCOMPARE(columnTexts(grid, 0), (QStringList{"a2", "a1", "a3", "a0"}));
        QCOMPARE(columnTexts(grid, 1), (QStringList{"b2", "b1", "b3", "b0"}));
        QCOMPARE(grid.color(3, 1), QColor(0, 0, 0));
        QCOMPARE(grid.color(0, 0), QColor(2, 2, 2));
        QCOMPARE(changed.count(), 1);

        grid.reorderRows({1, 2, 3, 0});
        QCOMPARE(columnTexts(grid, 0), (QStringList{"a1", "a3", "a0", "a2"}));
        // A view's held cell follows its row.
        QCOMPARE(held.row(), 0);
        QCOMPARE(held.column(), 1);
    }

    void sortsLikeTextComparison_data() {
        QTest::addColumn<QStringList>("texts");
        // Texts that agree in their first four units, are shorter than four, hold
        // units above U+7FFF and surrogates, or are equal (their order stays).
        QTest::newRow("long common beginnings") << QStringList{
            u"あいうえおか"_qs, u"あいうえ"_qs, u"あいうえお"_qs, u"あいうえあ"_qs, u"あいうえ"_qs};
        QTest::newRow("short and empty") << QStringList{
            "ab", "a", "", "abc", "a", QString(QChar(0)), "b", QString("a") + QChar(0)};
        QTest::newRow("high units")
            << QStringList{u"\uFFFF"_qs, u"\u8000"_qs, u"\u7FFF"_qs, u"😀"_qs, u"\uFF5E"_qs, "~"};
        QTest::newRow("mixed widths and cases")
            << QStringList{u"ｱ"_qs, u"ア"_qs, u"あ"_qs, "A", "a", u"Ａ"_qs, u"ー"_qs, "1"};
    }

    void sortsLikeTextComparison() {
        QFETCH(QStringList, texts);
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            GridModel grid;
            grid.setCols(2);
            std::vector<QStringList> rows;
            for (int i = 0; i < texts.size(); ++i)
                rows.push_back({QString::number(i), texts.at(i)});
            grid.setAllTexts(rows);
            grid.sortByColumn(1, order);

            std::vector<QStringList> expected = rows;
            std::stable_sort(expected.begin(), expected.end(),
                             [order](const QStringList& a, const QStringList& b) {
                                 return order == Qt::AscendingOrder ? a.at(1) < b.at(1)
                                                                    : b.at(1) < a.at(1);
                             });
            QStringList expectedTags;
            for (const QStringList& row : expected)
                expectedTags.append(row.at(0));
            QCOMPARE(columnTexts(grid, 0), expectedTags);
        }
    }

    // A list: rows of one height, scrolled down; a tap at a cell's centre lands
    // on it; grey lines between the cells; the marked row in the highlight colour.
    void listCells() {
        Grid grid;
        grid.setFont(makeFont({FontFace::Gothic, 54.75}));
        grid.resize(300, 400);
        grid.setRowHeights(Grid::RowHeights::Fixed, 1155);
        grid.setCols(2);
        grid.setRows(12);
        grid.setText(4, 0, QStringLiteral("か行"));
        grid.cells().paintRow(5, 0, bgrColor(colors::kHighlight));
        grid.setColumnWidthTwips(0, 1500);
        grid.setColumnWidthTwips(1, 4000);
        grid.setTopRow(3);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QCOMPARE(grid.topRow(), 3);

        const int rowHeight = twipsToPixels(1155);
        const QRect cell = grid.cellRect(5, 0);
        QCOMPARE(cell, QRect(0, 2 * rowHeight, twipsToPixels(1500) - 1, rowHeight - 1));
        QCOMPARE(grid.indexAt(grid.cellRect(5, 1).center()), grid.cells().index(5, 1));
        const QImage image = grid.viewport()->grab().toImage();
        const QColor line(0x80, 0x80, 0x80);
        QCOMPARE(image.pixelColor(cell.center()), bgrColor(colors::kHighlight));
        QCOMPARE(image.pixelColor(grid.cellRect(6, 0).center()), QColor(Qt::white));
        QCOMPARE(image.pixelColor(cell.right() + 1, cell.center().y()), line);
        QCOMPARE(image.pixelColor(cell.center().x(), cell.bottom() + 1), line);
    }

    // A board: rows share the whole height; a tap at each cell's centre lands on
    // it; the strip to the right that no column covers is no cell.
    void boardCells() {
        Grid grid;
        grid.resize(1023, 381);
        grid.setRowHeights(Grid::RowHeights::ShareHeight);
        grid.setCols(10);
        grid.setRows(5);
        for (int col = 0; col < 10; ++col)
            grid.setColumnWidthTwips(col, 1530);
        grid.cells().setColor(1, 8, bgrColor(colors::kHighlight));
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));

        QCOMPARE(grid.cellRect(4, 0).bottom() + 2, grid.viewport()->height());
        for (int row = 0; row < 5; ++row) {
            QVERIFY(qAbs(grid.rowHeight(row) - grid.viewport()->height() / 5) <= 1);
            for (int col = 0; col < 10; ++col)
                QCOMPARE(grid.indexAt(grid.cellRect(row, col).center()),
                         grid.cells().index(row, col));
        }
        const QImage image = grid.viewport()->grab().toImage();
        QCOMPARE(image.pixelColor(grid.cellRect(1, 8).center()), bgrColor(colors::kHighlight));
        QVERIFY(!grid.indexAt(QPoint(1021, 10)).isValid());
    }
};

QTEST_MAIN(TestGrid)
#include "grid_test.moc"
