#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/grid.h"

#include <QApplication>
#include <QScrollBar>
#include <QtTest>

class TestGrid : public QObject {
    Q_OBJECT
private slots:
    // Grey grid lines and the lists' wide scroll bar look exactly as they did
    // when two style sheets drew them.
    void drawsAsTheStyleSheetsDid() {
        QWidget window;
        auto* grid = new Grid(&window);
        grid->setRowHeights(Grid::RowHeights::Fixed, 1155);
        grid->setFont(makeFont({FontFace::Gothic, 54.75}));
        grid->setGeometry(0, 0, 295, 400);
        grid->setCols(2);
        grid->setRows(12);
        grid->setColumnWidthTwips(0, 1500);
        grid->setColumnWidthTwips(1, 2000);
        grid->setText(3, 1, QStringLiteral("あ"));
        grid->cells().paintRow(3, 0, bgrColor(colors::kHighlight));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage drawn = grid->grab().toImage();
        const int scrollBarWidth = grid->verticalScrollBar()->width();

        grid->setStyle(QApplication::style());
        grid->setStyleSheet(QStringLiteral("QTableView { gridline-color: #808080; }"));
        auto* former = new QScrollBar(Qt::Vertical);
        grid->setVerticalScrollBar(former);
        former->setStyleSheet(
            QStringLiteral("QScrollBar:vertical { width: %1px; }").arg(scrollBarWidth));
        QTRY_COMPARE(former->width(), scrollBarWidth);
        QCOMPARE(drawn, grid->grab().toImage());
    }
};

QTEST_MAIN(TestGrid)
#include "grid_test.moc"
