#include "platform/grid_model.h"

#include <algorithm>

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent) {}

bool GridModel::valid(int row, int col) const {
    return row >= 0 && row < rows() && col >= 0 && col < m_cols;
}

void GridModel::setRows(int count) {
    count = std::max(count, 0);
    if (count == rows())
        return;
    if (count > rows()) {
        beginInsertRows(QModelIndex(), rows(), count - 1);
        m_cells.resize(size_t(count), std::vector<Cell>(size_t(m_cols)));
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), count, rows() - 1);
        m_cells.resize(size_t(count));
        endRemoveRows();
    }
}

void GridModel::setCols(int count) {
    count = std::max(count, 0);
    if (count == m_cols)
        return;
    beginResetModel();
    m_cols = count;
    for (auto& row : m_cells)
        row.resize(size_t(count));
    endResetModel();
}

QString GridModel::text(int row, int col) const {
    return valid(row, col) ? m_cells[size_t(row)][size_t(col)].text : QString();
}

void GridModel::setText(int row, int col, const QString& text) {
    if (!valid(row, col))
        return;
    m_cells[size_t(row)][size_t(col)].text = text;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

QColor GridModel::color(int row, int col) const {
    return valid(row, col) ? QColor::fromRgb(m_cells[size_t(row)][size_t(col)].color) : QColor();
}

void GridModel::setColor(int row, int col, const QColor& color) {
    if (!valid(row, col))
        return;
    m_cells[size_t(row)][size_t(col)].color = color.rgb();
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::BackgroundRole});
}

void GridModel::paintRow(int row, int firstCol, const QColor& color) {
    if (!valid(row, std::max(firstCol, 0)))
        return;
    for (int col = std::max(firstCol, 0); col < m_cols; ++col)
        m_cells[size_t(row)][size_t(col)].color = color.rgb();
    emit dataChanged(index(row, std::max(firstCol, 0)), index(row, m_cols - 1),
                     {Qt::BackgroundRole});
}

void GridModel::paintAll(const QColor& color) {
    for (auto& row : m_cells)
        for (auto& cell : row)
            cell.color = color.rgb();
    if (rows() > 0 && m_cols > 0)
        emit dataChanged(index(0, 0), index(rows() - 1, m_cols - 1), {Qt::BackgroundRole});
}

void GridModel::setAllTexts(const std::vector<QStringList>& rows) {
    beginResetModel();
    m_cells.assign(rows.size(), std::vector<Cell>(size_t(m_cols)));
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < m_cols && c < rows[r].size(); ++c)
            m_cells[r][size_t(c)].text = rows[r].at(c);
    endResetModel();
}

void GridModel::sortByColumn(int col, Qt::SortOrder order) {
    if (col < 0 || col >= m_cols)
        return;
    emit layoutAboutToBeChanged();
    const size_t c = size_t(col);
    if (order == Qt::AscendingOrder)
        std::stable_sort(m_cells.begin(), m_cells.end(),
                         [c](const auto& a, const auto& b) { return a[c].text < b[c].text; });
    else
        std::stable_sort(m_cells.begin(), m_cells.end(),
                         [c](const auto& a, const auto& b) { return b[c].text < a[c].text; });
    emit layoutChanged();
}

void GridModel::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!valid(index.row(), index.column()))
        return {};
    const Cell& cell = m_cells[size_t(index.row())][size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::BackgroundRole:
        return QColor::fromRgb(cell.color);
    case Qt::TextAlignmentRole:
        return int(m_alignment);
    default:
        return {};
    }
}
