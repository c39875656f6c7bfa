#include "access/grid_accessible.h"

#include "access/grid_item_accessible.h"
#include "platform/grid.h"

namespace {
// Texts that changed are announced for the children already made; the
// others are read fresh when asked for.
void announceChanges(Grid* grid, int firstRow, int lastRow) {
    if (!QAccessible::isActive())
        return;
    if (auto* iface = dynamic_cast<GridAccessible*>(QAccessible::queryAccessibleInterface(grid)))
        iface->announceNames(firstRow, lastRow);
}
} // namespace

GridAccessible::GridAccessible(Grid* grid)
    : QAccessibleWidget(grid, grid->rowHeights() == Grid::RowHeights::ShareHeight
                                  ? QAccessible::Table
                                  : QAccessible::List) {
    GridModel* model = &grid->cells();
    QObject::connect(model, &QAbstractItemModel::dataChanged, grid,
                     [grid](const QModelIndex& from, const QModelIndex& to) {
                         announceChanges(grid, from.row(), to.row());
                     });
    QObject::connect(model, &QAbstractItemModel::modelReset, grid,
                     [grid] { announceChanges(grid, 0, INT_MAX); });
}

GridAccessible::~GridAccessible() {
    for (const QAccessible::Id id : std::as_const(m_items))
        QAccessible::deleteAccessibleInterface(id);
}

Grid* GridAccessible::grid() const {
    return static_cast<Grid*>(widget());
}

bool GridAccessible::isBoard() const {
    return grid()->rowHeights() == Grid::RowHeights::ShareHeight;
}

int GridAccessible::childCount() const {
    return isBoard() ? grid()->rows() * grid()->cols() : grid()->rows();
}

QAccessibleInterface* GridAccessible::item(int row, int col) const {
    const QPair<int, int> key(row, col);
    if (const auto found = m_items.constFind(key); found != m_items.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* made = new GridItemAccessible(grid(), row, col);
    m_items.insert(key, QAccessible::registerAccessibleInterface(made));
    return made;
}

QAccessibleInterface* GridAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    if (!isBoard())
        return item(index, -1);
    return item(index / grid()->cols(), index % grid()->cols());
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const GridItemAccessible*>(child);
    if (!cell || !cell->isValid() || child->parent() != this)
        return -1;
    return cell->col() < 0 ? cell->row() : cell->row() * grid()->cols() + cell->col();
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
    const QModelIndex index = grid()->indexAt(grid()->viewport()->mapFromGlobal(QPoint(x, y)));
    if (!index.isValid())
        return nullptr;
    return isBoard() ? item(index.row(), index.column()) : item(index.row(), -1);
}

QStringList GridAccessible::actionNames() const {
    return {};
}

void GridAccessible::announceNames(int firstRow, int lastRow) const {
    for (auto it = m_items.constBegin(); it != m_items.constEnd(); ++it) {
        if (it.key().first < firstRow || it.key().first > lastRow)
            continue;
        QAccessibleEvent changed(QAccessible::accessibleInterface(it.value()),
                                 QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
