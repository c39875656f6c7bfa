#include "file_fixtures.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/grid.h"
#include "platform/twips.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>
#include <algorithm>

namespace {

// The grid as it was built on a table view, with the style sheets that drew
// its grey lines and its wide scroll bar: the look the grid keeps.
class FormerGrid final : public QTableView {
public:
    FormerGrid(GridModel& model, QWidget* parent)
        : QTableView(parent) {
        setModel(&model);
        horizontalHeader()->hide();
        verticalHeader()->hide();
        horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        horizontalHeader()->setMinimumSectionSize(0);
        verticalHeader()->setMinimumSectionSize(1);
        setSelectionMode(QAbstractItemView::NoSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setFocusPolicy(Qt::NoFocus);
        setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setTextElideMode(Qt::ElideNone);
        setWordWrap(false);
        QPalette p = palette();
        p.setColor(QPalette::Base, Qt::white);
        p.setColor(QPalette::Text, Qt::black);
        setPalette(p);
        setStyleSheet(QStringLiteral("QTableView { gridline-color: #808080; }"));
        verticalScrollBar()->setStyleSheet(
            QStringLiteral("QScrollBar:vertical { width: %1px; }").arg(twipsToPixels(338)));
    }
};

struct Look {
    Grid* grid;
    FormerGrid* former;
};

// The same cells in both, side by side in one window.
Look twoGrids(QWidget& window, GridModel*& model, const QSize& size) {
    auto* grid = new Grid(&window);
    model = &grid->cells();
    auto* former = new FormerGrid(*model, &window);
    grid->setGeometry(QRect(QPoint(0, 0), size));
    former->setGeometry(QRect(QPoint(size.width() + 10, 0), size));
    for (QWidget* w : {static_cast<QWidget*>(grid), static_cast<QWidget*>(former)})
        w->setFont(makeFont({FontFace::Gothic, 54.75}));
    return {grid, former};
}

} // namespace

// The grid's cells, and the grid drawn as it was drawn on a table view.
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

    // A list: rows of one height, the second column wider than what is left,
    // a marked row, scrolled down, and greyed while disabled.
    void listLooksAsBefore() {
        QWidget window;
        GridModel* model = nullptr;
        const Look look = twoGrids(window, model, QSize(300, 400));
        look.grid->setRowHeights(Grid::RowHeights::Fixed, 1155);
        look.former->verticalHeader()->setDefaultSectionSize(twipsToPixels(1155));
        model->setCols(2);
        model->setRows(12);
        for (int row = 0; row < 12; ++row)
            model->setText(row, 1, QStringLiteral("あいう%1").arg(row));
        model->setText(4, 0, QStringLiteral("か行"));
        model->paintRow(5, 1, bgrColor(colors::kHighlight));
        look.grid->setColumnWidthTwips(0, 1500);
        look.grid->setColumnWidthTwips(1, 4000);
        look.former->setColumnWidth(0, twipsToPixels(1500));
        look.former->setColumnWidth(1, twipsToPixels(4000));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(look.grid->grab().toImage(), look.former->grab().toImage());

        look.grid->setTopRow(3);
        look.former->verticalScrollBar()->setValue(3);
        QCOMPARE(look.grid->topRow(), 3);
        QCOMPARE(look.grid->grab().toImage(), look.former->grab().toImage());
        QCOMPARE(look.grid->cellRect(5, 1), look.former->visualRect(model->index(5, 1)));

        look.grid->setEnabled(false);
        look.former->setEnabled(false);
        QCOMPARE(look.grid->grab().toImage(), look.former->grab().toImage());
    }

    // A board: rows sharing the height, centred characters, coloured cells,
    // and a strip to the right that no column covers.
    void boardLooksAsBefore() {
        QWidget window;
        GridModel* model = nullptr;
        const Look look = twoGrids(window, model, QSize(1023, 381));
        look.grid->setRowHeights(Grid::RowHeights::ShareHeight);
        look.former->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        model->setAlignment(Qt::AlignCenter);
        model->setCols(10);
        model->setRows(5);
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 10; ++col)
                model->setText(row, col, QString(QChar(0x3042 + row * 10 + col)));
        model->setColor(1, 8, bgrColor(colors::kHighlight));
        model->setColor(3, 2, bgrColor(colors::kSilver));
        for (int col = 0; col < 10; ++col) {
            look.grid->setColumnWidthTwips(col, 1530);
            look.former->setColumnWidth(col, twipsToPixels(1530));
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int height = look.former->viewport()->height();
        for (int row = 0; row < 5; ++row)
            look.former->setRowHeight(row, height * (row + 1) / 5 - height * row / 5);
        QCOMPARE(look.grid->grab().toImage(), look.former->grab().toImage());
        for (const QPoint& cell : {QPoint(0, 0), QPoint(9, 4), QPoint(8, 1)}) {
            const QModelIndex index = model->index(cell.y(), cell.x());
            QCOMPARE(look.grid->cellRect(cell.y(), cell.x()), look.former->visualRect(index));
            QCOMPARE(look.grid->indexAt(look.former->visualRect(index).center()), index);
        }
        QVERIFY(!look.grid->indexAt(QPoint(1021, 10)).isValid());
    }
};

QTEST_MAIN(TestGrid)
#include "grid_test.moc"
