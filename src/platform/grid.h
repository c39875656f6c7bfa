#pragma once

#include "platform/grid_model.h"

#include <QAbstractScrollArea>
#include <QStyledItemDelegate>
#include <vector>

class QStyleOptionViewItem;

// The grid control of the board and the lists: a table of text cells with
// painted back colours over a GridModel. No headers, no editing and no
// selection: only the painted colours show which cell or row is chosen.
// Column widths and row heights are kept in twips and follow the layout's
// scale. A board grid shares its height equally among its rows, so a tap at
// the centre of a cell's rectangle always hits that cell; a list has rows of
// one height and scrolls a row at a time. Touch and mouse taps act alike.
//
// It draws its cells as a table view with hidden headers does (the item
// delegate and the style draw each cell, grey grid lines between them), but
// lays them out itself: a table view brings two header views and three
// selection models with it, which made the window's seven grids most of the
// cost of building it.
class Grid final : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class RowHeights { ShareHeight, Fixed };

    explicit Grid(QWidget* parent = nullptr);

    GridModel& cells() { return m_model; }
    const GridModel& cells() const { return m_model; }

    // Shorthands of the model.
    int rows() const { return m_model.rows(); }
    int cols() const { return m_model.cols(); }
    void setRows(int rows) { m_model.setRows(rows); }
    void setCols(int cols) { m_model.setCols(cols); }
    QString text(int row, int col) const { return m_model.text(row, col); }
    void setText(int row, int col, const QString& text) { m_model.setText(row, col, text); }

    void setColumnWidthTwips(int col, int twips);
    int columnWidthTwips(int col) const;
    void setRowHeights(RowHeights mode, int fixedTwips = 0);
    // A grid whose rows share its height shows every cell at once (a board);
    // one of fixed rows scrolls (a list).
    RowHeights rowHeights() const { return m_rowHeights; }
    void setScale(double scale);
    // Sizes in pixels, grid line included.
    int columnWidth(int col) const;
    int rowHeight(int row) const;

    // The cell of the last press (the grid's current cell).
    int row() const { return m_row; }
    int col() const { return m_col; }
    void setCurrent(int row, int col);

    int topRow() const;
    // Scrolls so that row is the first visible row (as far as the list
    // allows). A grid that is hidden, or has never been shown, cannot scroll
    // yet: it scrolls there when it is shown.
    void setTopRow(int row);
    // Scrolls a list as little as needed for the row to show whole.
    void scrollToRow(int row);

    // Pixel rectangle of a cell on the viewport, grid line excluded, for taps
    // and tests; and the cell under a point of the viewport.
    QRect cellRect(int row, int col) const;
    QModelIndex indexAt(const QPoint& pos) const;

signals:
    // A press on a cell, after the current cell has moved to it.
    void pressed(int row, int col);
    // The tap completed: released over the grid after a press on a cell.
    void clicked(int row, int col);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

private:
    // Positions in the grid's contents, from its first row and column.
    int rowPosition(int row) const;
    int columnPosition(int col) const;
    int contentHeight() const { return rowPosition(rows()); }
    int contentWidth() const { return columnPosition(cols()); }
    int verticalOffset() const { return rowPosition(topRow()); }
    // The row and column at a viewport position, or -1 beyond the cells.
    int rowAt(int y) const;
    int columnAt(int x) const;
    void updateScrollRange();
    void initViewItemOption(QStyleOptionViewItem* option) const;
    void paintRect(QPainter& painter, QRect dirty, const QStyleOptionViewItem& option,
                   std::vector<bool>& drawn, int firstRow, int firstCol, int lastCol);
    void press(const QPoint& pos);
    void release(const QPoint& pos);

    GridModel m_model;
    QStyledItemDelegate m_delegate;
    std::vector<int> m_columnTwips;
    RowHeights m_rowHeights = RowHeights::Fixed;
    int m_fixedRowTwips = 1425;
    double m_scale = 1.0;
    int m_row = 0;
    int m_col = 0;
    bool m_pressed = false;
    int m_pendingTopRow = -1;
};

// Suspends a grid's drawing for a bulk update and resumes it when it goes.
class DrawingSuspended {
public:
    explicit DrawingSuspended(QWidget* widget);
    ~DrawingSuspended();
    DrawingSuspended(const DrawingSuspended&) = delete;
    DrawingSuspended& operator=(const DrawingSuspended&) = delete;

private:
    QWidget* m_widget;
    bool m_wasEnabled;
};
