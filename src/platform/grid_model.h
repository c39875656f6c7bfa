#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

// The order that sorts texts by their UTF-16 code units (case- and
// width-sensitive), equal texts keeping their order: element i is the index
// of the text that comes i-th.
std::vector<int> codeUnitOrder(const QStringList& texts, Qt::SortOrder order = Qt::AscendingOrder);

// The cells of one grid: rows of text with a back colour each. The grid is the
// working copy of the lists, so the list procedures read and write it here.
// Row and column counts keep existing cells; new cells are empty and white.
class GridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    void setRows(int rows);
    void setCols(int cols);

    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    QColor color(int row, int col) const;
    void setColor(int row, int col, const QColor& color);
    // Paints columns firstCol to the last column of one row.
    void paintRow(int row, int firstCol, const QColor& color);
    void paintAll(const QColor& color);

    // Replaces every row at once: each inner list is one row of texts.
    void setAllTexts(const std::vector<QStringList>& rows);
    // Writes texts into one column from row 0 down, with one change signal;
    // rows beyond the list keep their texts, texts beyond the rows are dropped.
    void setColumnTexts(int col, const QStringList& texts);
    // Whole-row sort by the text of one column, code-unit order (case- and
    // width-sensitive); equal texts keep their order.
    void sortByColumn(int col, Qt::SortOrder order);
    // Puts whole rows in a new order: row i becomes the former row order[i].
    // Ignored unless order names every row exactly once.
    void reorderRows(const std::vector<int>& order);

    void setAlignment(Qt::Alignment alignment);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Cell {
        QString text;
        QRgb color = 0xFFFFFFFF;
    };
    bool valid(int row, int col) const;
    Cell& cell(int row, int col) { return m_cells[size_t(row) * size_t(m_cols) + size_t(col)]; }
    const Cell& cell(int row, int col) const {
        return m_cells[size_t(row) * size_t(m_cols) + size_t(col)];
    }

    // The cells row by row in one block, so that a list of many rows costs no
    // allocation per row and a sort moves plain cells.
    std::vector<Cell> m_cells;
    int m_rows = 0;
    int m_cols = 0;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};
