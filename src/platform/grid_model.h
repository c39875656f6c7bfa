#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <vector>

// The cells of one grid: rows of text with a back colour each. The grid is the
// working copy of the lists, so the list procedures read and write it here.
// Row and column counts keep existing cells; new cells are empty and white.
class GridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    int rows() const { return int(m_cells.size()); }
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
    // Whole-row sort by the text of one column, code-unit order (case- and
    // width-sensitive); equal texts keep their order.
    void sortByColumn(int col, Qt::SortOrder order);

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

    std::vector<std::vector<Cell>> m_cells;
    int m_cols = 0;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};
