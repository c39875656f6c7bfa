#include "access/grid_item_accessible.h"

#include "access/accessibility.h"
#include "platform/grid.h"

#include <QWindow>

GridItemAccessible::GridItemAccessible(Grid* grid, int row, int col)
    : m_grid(grid)
    , m_row(row)
    , m_col(col) {}

bool GridItemAccessible::isValid() const {
    return m_grid && m_row < m_grid->rows() && m_col < m_grid->cols() && m_grid->cols() > 0;
}

QObject* GridItemAccessible::object() const {
    return nullptr;
}

QWindow* GridItemAccessible::window() const {
    return m_grid ? m_grid->window()->windowHandle() : nullptr;
}

QAccessibleInterface* GridItemAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(m_grid.data());
}

QAccessibleInterface* GridItemAccessible::child(int /*index*/) const {
    return nullptr;
}

int GridItemAccessible::childCount() const {
    return 0;
}

int GridItemAccessible::indexOfChild(const QAccessibleInterface* /*child*/) const {
    return -1;
}

QAccessibleInterface* GridItemAccessible::childAt(int /*x*/, int /*y*/) const {
    return nullptr;
}

QString GridItemAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid())
        return QString();
    if (m_col >= 0)
        return access::spokenName(m_grid->text(m_row, m_col).trimmed());
    QStringList texts;
    for (int col = 0; col < m_grid->cols(); ++col)
        if (const QString text = m_grid->text(m_row, col).trimmed(); !text.isEmpty())
            texts.append(text);
    return texts.join(QLatin1Char(' '));
}

void GridItemAccessible::setText(QAccessible::Text /*t*/, const QString& /*text*/) {}

QRect GridItemAccessible::rect() const {
    if (!isValid())
        return QRect();
    const QRect local =
        m_col >= 0 ? m_grid->cellRect(m_row, m_col)
                   : m_grid->cellRect(m_row, 0).united(m_grid->cellRect(m_row, m_grid->cols() - 1));
    return QRect(m_grid->viewport()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role GridItemAccessible::role() const {
    return m_col >= 0 ? QAccessible::Button : QAccessible::ListItem;
}

QAccessible::State GridItemAccessible::state() const {
    QAccessible::State state;
    if (!isValid() || !m_grid->isVisible()) {
        state.invisible = true;
        return state;
    }
    const QRect local = m_grid->cellRect(m_row, m_col >= 0 ? m_col : 0);
    state.offscreen = !m_grid->viewport()->rect().intersects(local);
    state.disabled = !m_grid->isEnabled();
    return state;
}

void* GridItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList GridItemAccessible::actionNames() const {
    return {pressAction()};
}

// A row is tapped in its last column, which every list shows; a row that
// assistive technology reached below the visible ones is scrolled to first.
void GridItemAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction() || !isValid())
        return;
    const int col = m_col >= 0 ? m_col : m_grid->cols() - 1;
    if (state().offscreen)
        m_grid->scrollToRow(m_row);
    access::activateLater(m_grid, m_row, col);
}

QStringList GridItemAccessible::keyBindingsForAction(const QString& /*actionName*/) const {
    return {};
}
