#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class Grid;

// What assistive technology sees of one cell of a board grid (a key, named by
// its text) or of one row of a list grid (a list item, named by its texts).
// Its one action, "Press", is a tap on it, made after the call returns so
// that a question the tap asks does not hold the caller.
class GridItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    // col is -1 for a list row.
    GridItemAccessible(Grid* grid, int row, int col);

    int row() const { return m_row; }
    int col() const { return m_col; }

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QPointer<Grid> m_grid;
    int m_row = 0;
    int m_col = -1;
};
