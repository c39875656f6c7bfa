#include "file_fixtures.h"
#include "platform/grid_model.h"

#include <QSignalSpy>
#include <QtTest>
#include <algorithm>

class TestGridModel : public QObject {
    Q_OBJECT
private slots:
    void setColumnTexts();
    void reorderRows();
    void sortsLikeTextComparison_data();
    void sortsLikeTextComparison();

private:
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
};

void TestGridModel::setColumnTexts() {
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

void TestGridModel::reorderRows() {
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

void TestGridModel::sortsLikeTextComparison_data() {
    QTest::addColumn<QStringList>("texts");
    // Texts that agree in their first four units, are shorter than four, hold
    // units above U+7FFF and surrogates, or are equal (their order stays).
    QTest::newRow("long common beginnings") << QStringList{
        u"あいうえおか"_qs, u"あいうえ"_qs, u"あいうえお"_qs, u"あいうえあ"_qs, u"あいうえ"_qs};
    QTest::newRow("short and empty")
        << QStringList{"ab", "a", "", "abc", "a", QString(QChar(0)), "b", QString("a") + QChar(0)};
    QTest::newRow("high units") << QStringList{u"\uFFFF"_qs, u"\u8000"_qs, u"\u7FFF"_qs,
                                               u"😀"_qs,      u"\uFF5E"_qs, "~"};
    QTest::newRow("mixed widths and cases")
        << QStringList{u"ｱ"_qs, u"ア"_qs, u"あ"_qs, "A", "a", u"Ａ"_qs, u"ー"_qs, "1"};
}

void TestGridModel::sortsLikeTextComparison() {
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
        std::stable_sort(
            expected.begin(), expected.end(), [order](const QStringList& a, const QStringList& b) {
                return order == Qt::AscendingOrder ? a.at(1) < b.at(1) : b.at(1) < a.at(1);
            });
        QStringList expectedTags;
        for (const QStringList& row : expected)
            expectedTags.append(row.at(0));
        QCOMPARE(columnTexts(grid, 0), expectedTags);
    }
}

QTEST_GUILESS_MAIN(TestGridModel)
#include "grid_model_test.moc"
