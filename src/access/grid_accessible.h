#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPair>

class Grid;

// What assistive technology sees of a grid: a table of keys for a board (every
// cell a child), a list of rows for a list. The children are made when they
// are first asked for and live as long as the grid; a child past the grid's
// end is no longer valid. Changed texts are announced as changed names.
class GridAccessible final : public QAccessibleWidget {
public:
    explicit GridAccessible(Grid* grid);
    ~GridAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QStringList actionNames() const override;

    // Tells assistive technology that the texts of these rows changed.
    void announceNames(int firstRow, int lastRow) const;

private:
    Grid* grid() const;
    bool isBoard() const;
    QAccessibleInterface* item(int row, int col) const;

    mutable QHash<QPair<int, int>, QAccessible::Id> m_items;
};
