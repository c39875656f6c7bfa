#include "platform/grid_model.h"

#include <algorithm>

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent) {}

bool GridModel::valid(int row, int col) const {
    return row >= 0 && row < m_rows && col >= 0 && col < m_cols;
}

void GridModel::setRows(int count) {
    count = std::max(count, 0);
    if (count == m_rows)
        return;
    const auto resize = [this, count] {
        m_cells.resize(size_t(count) * size_t(m_cols));
        m_rows = count;
    };
    if (count > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, count - 1);
        resize();
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), count, m_rows - 1);
        resize();
        endRemoveRows();
    }
}

void GridModel::setCols(int count) {
    count = std::max(count, 0);
    if (count == m_cols)
        return;
    beginResetModel();
    std::vector<Cell> cells(size_t(m_rows) * size_t(count));
    for (int row = 0; row < m_rows; ++row)
        for (int col = 0; col < std::min(count, m_cols); ++col)
            cells[size_t(row) * size_t(count) + size_t(col)] = std::move(cell(row, col));
    m_cells.swap(cells);
    m_cols = count;
    endResetModel();
}

QString GridModel::text(int row, int col) const {
    return valid(row, col) ? cell(row, col).text : QString();
}

void GridModel::setText(int row, int col, const QString& text) {
    if (!valid(row, col))
        return;
    cell(row, col).text = text;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

QColor GridModel::color(int row, int col) const {
    return valid(row, col) ? QColor::fromRgb(cell(row, col).color) : QColor();
}

void GridModel::setColor(int row, int col, const QColor& color) {
    if (!valid(row, col))
        return;
    cell(row, col).color = color.rgb();
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::BackgroundRole});
}

void GridModel::paintRow(int row, int firstCol, const QColor& color) {
    if (!valid(row, std::max(firstCol, 0)))
        return;
    for (int col = std::max(firstCol, 0); col < m_cols; ++col)
        cell(row, col).color = color.rgb();
    emit dataChanged(index(row, std::max(firstCol, 0)), index(row, m_cols - 1),
                     {Qt::BackgroundRole});
}

void GridModel::paintAll(const QColor& color) {
    for (Cell& c : m_cells)
        c.color = color.rgb();
    if (m_rows > 0 && m_cols > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1), {Qt::BackgroundRole});
}

void GridModel::setAllTexts(const std::vector<QStringList>& rows) {
    beginResetModel();
    m_rows = int(rows.size());
    m_cells.assign(size_t(m_rows) * size_t(m_cols), Cell());
    for (int row = 0; row < m_rows; ++row)
        for (int col = 0; col < std::min(m_cols, int(rows[size_t(row)].size())); ++col)
            cell(row, col).text = rows[size_t(row)].at(col);
    endResetModel();
}

void GridModel::setColumnTexts(int col, const QStringList& texts) {
    if (col < 0 || col >= m_cols)
        return;
    const int count = std::min(m_rows, int(texts.size()));
    if (count == 0)
        return;
    for (int row = 0; row < count; ++row)
        cell(row, col).text = texts.at(row);
    emit dataChanged(index(0, col), index(count - 1, col), {Qt::DisplayRole});
}

namespace {

// A text's sort key. The first four UTF-16 units of the text, packed so that
// they compare as the text does, decide most comparisons without reading the
// text itself, which lies somewhere else on the heap for every row; only rows
// with the same beginning compare their whole texts.
struct SortKey {
    explicit SortKey(const QString& text, int index)
        : text(text)
        , index(index) {
        for (qsizetype i = 0; i < 4; ++i)
            head = head << 16 | (i < text.size() ? text.at(i).unicode() : 0u);
    }
    friend bool operator<(const SortKey& a, const SortKey& b) {
        return a.head != b.head ? a.head < b.head : a.text < b.text;
    }

    quint64 head = 0;
    QStringView text;
    int index;
};

template <typename TextAt>
std::vector<int> sortedOrder(int count, TextAt textAt, Qt::SortOrder order) {
    std::vector<SortKey> keys;
    keys.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        keys.emplace_back(textAt(i), i);
    if (order == Qt::AscendingOrder)
        std::stable_sort(keys.begin(), keys.end());
    else
        std::stable_sort(keys.begin(), keys.end(),
                         [](const SortKey& a, const SortKey& b) { return b < a; });
    std::vector<int> indices;
    indices.reserve(keys.size());
    for (const SortKey& key : keys)
        indices.push_back(key.index);
    return indices;
}

} // namespace

std::vector<int> codeUnitOrder(const QStringList& texts, Qt::SortOrder order) {
    return sortedOrder(
        int(texts.size()), [&texts](int i) -> const QString& { return texts.at(i); }, order);
}

void GridModel::sortByColumn(int col, Qt::SortOrder order) {
    if (col < 0 || col >= m_cols)
        return;
    reorderRows(sortedOrder(
        m_rows, [this, col](int row) -> const QString& { return cell(row, col).text; }, order));
}

void GridModel::reorderRows(const std::vector<int>& order) {
    if (order.size() != size_t(m_rows))
        return;
    // newRow[r] is where the former row r goes; -1 while no place names it.
    std::vector<int> newRow(order.size(), -1);
    for (size_t to = 0; to < order.size(); ++to) {
        const int from = order[to];
        if (from < 0 || from >= m_rows || newRow[size_t(from)] >= 0)
            return;
        newRow[size_t(from)] = int(to);
    }

    emit layoutAboutToBeChanged({}, VerticalSortHint);
    std::vector<Cell> cells;
    cells.reserve(m_cells.size());
    for (const int from : order)
        for (int col = 0; col < m_cols; ++col)
            cells.push_back(std::move(cell(from, col)));
    m_cells.swap(cells);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& i : before)
        after.append(index(newRow[size_t(i.row())], i.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, VerticalSortHint);
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
    const Cell& c = cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return c.text;
    case Qt::BackgroundRole:
        return QColor::fromRgb(c.color);
    case Qt::TextAlignmentRole:
        return int(m_alignment);
    default:
        return {};
    }
}
