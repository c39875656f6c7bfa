#include "access/scan_tree.h"

#include "board/board_layout.h"
#include "platform/grid.h"
#include "platform/tappable.h"
#include "window/list_grids.h"
#include "window/talk_controls.h"

#include <QAbstractButton>
#include <QFrame>
#include <QPushButton>
#include <algorithm>

namespace {

// A tap at the target's centre would reach it: it is on show and nothing of
// its window lies over it.
bool uncovered(QWidget* window, const access::Target& target) {
    if (!target.isValid())
        return false;
    const QPoint centre = access::globalRect(target).center();
    QWidget* under = window->childAt(window->mapFromGlobal(centre));
    return under && access::targetAt(under, under->mapFromGlobal(centre)) == target;
}

// The buttons and tappable labels of a window that a tap would reach.
std::vector<QWidget*> tappables(QWidget* window) {
    std::vector<QWidget*> found;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(widget) && !isTappable(widget))
            continue;
        if (uncovered(window, {widget, -1, -1}))
            found.push_back(widget);
    }
    return found;
}

QPoint globalTopLeft(const QWidget* widget) {
    return widget->mapToGlobal(QPoint(0, 0));
}

// Top to bottom, then left to right.
void sortByRows(std::vector<QWidget*>& widgets) {
    std::stable_sort(widgets.begin(), widgets.end(), [](QWidget* a, QWidget* b) {
        const QPoint pa = globalTopLeft(a), pb = globalTopLeft(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
}

// Left to right, then top to bottom: the button area stands in columns.
void sortByColumns(std::vector<QWidget*>& widgets) {
    std::stable_sort(widgets.begin(), widgets.end(), [](QWidget* a, QWidget* b) {
        const QPoint pa = globalTopLeft(a), pb = globalTopLeft(b);
        return pa.x() != pb.x() ? pa.x() < pb.x() : pa.y() < pb.y();
    });
}

} // namespace

ScanNode ScanTree::leaf(const access::Target& target, bool wholeRow) {
    m_entries.push_back({target, wholeRow, {}});
    return ScanNode{int(m_entries.size()) - 1, {}};
}

ScanNode ScanTree::group(std::vector<ScanNode> members) {
    if (members.empty())
        return {};
    Entry entry;
    for (const ScanNode& member : members)
        entry.members.push_back(member.id);
    m_entries.push_back(entry);
    return ScanNode::group(int(m_entries.size()) - 1, std::move(members));
}

// One group per line of cells (the board's columns, the panel's rows), in
// the given order of lines; empty cells are left out, as a tap there enters
// nothing useful.
void ScanTree::addCellLines(QWidget* window, Grid* grid, Lines lines, std::vector<ScanNode>& top) {
    const bool columns = lines != Lines::Rows;
    const int count = columns ? grid->cols() : grid->rows();
    for (int k = 0; k < count; ++k) {
        const int line = lines == Lines::ColumnsFromTheRight ? count - 1 - k : k;
        std::vector<ScanNode> cells;
        for (int i = 0; i < (columns ? grid->rows() : grid->cols()); ++i) {
            const access::Target cell{grid, columns ? i : line, columns ? line : i};
            if (!grid->text(cell.row, cell.col).isEmpty() && uncovered(window, cell))
                cells.push_back(leaf(cell));
        }
        if (!cells.empty())
            top.push_back(group(std::move(cells)));
    }
}

// The rows in sight; a tap anywhere on a row chooses it.
void ScanTree::addListRows(QWidget* window, Grid* list, std::vector<ScanNode>& top) {
    std::vector<ScanNode> rows;
    const int col = list->cols() - 1;
    for (int row = list->topRow(); row >= 0 && row < list->rows(); ++row) {
        const access::Target cell{list, row, col};
        if (!uncovered(window, cell))
            break;
        rows.push_back(leaf(cell, true));
    }
    if (!rows.empty())
        top.push_back(group(std::move(rows)));
}

ScanTree ScanTree::ofMainWindow(QWidget* window, const TalkControls& c) {
    ScanTree tree;
    std::vector<ScanNode> top;
    const bool letters = c.cmdKey->text().trimmed() == board::caption(BoardSet::Letters);
    if (c.fraSet->isVisible())
        tree.addCellLines(window, c.grdBoard2, Lines::Rows, top);
    else if (c.grdBoard->isVisible())
        tree.addCellLines(window, c.grdBoard,
                          letters ? Lines::ColumnsFromTheLeft : Lines::ColumnsFromTheRight, top);
    else if (Grid* list = list_grids::visibleList(c))
        tree.addListRows(window, list, top);

    std::vector<QWidget*> panel, area, text;
    for (QWidget* widget : tappables(window)) {
        if (widget == c.cmdOpt || widget == c.cmdEnd)
            continue;
        if (c.fraSet->isAncestorOf(widget))
            panel.push_back(widget);
        else if (c.fraText->isAncestorOf(widget))
            text.push_back(widget);
        else
            area.push_back(widget);
    }
    sortByRows(panel);
    sortByColumns(area);
    sortByRows(text);
    for (const std::vector<QWidget*>* buttons : {&panel, &area, &text}) {
        std::vector<ScanNode> members;
        for (QWidget* button : *buttons)
            members.push_back(tree.leaf({button, -1, -1}));
        if (!members.empty())
            top.push_back(tree.group(std::move(members)));
    }
    tree.m_root = tree.group(std::move(top));
    return tree;
}

ScanTree ScanTree::ofWindow(QWidget* window) {
    ScanTree tree;
    std::vector<QWidget*> widgets = tappables(window);
    sortByRows(widgets);
    std::vector<ScanNode> top;
    for (QWidget* widget : widgets)
        top.push_back(tree.leaf({widget, -1, -1}));
    tree.m_root = tree.group(std::move(top));
    return tree;
}

access::Target ScanTree::target(int id) const {
    if (id < 0 || id >= int(m_entries.size()))
        return {};
    return m_entries[size_t(id)].target;
}

QRect ScanTree::globalRect(int id) const {
    if (id < 0 || id >= int(m_entries.size()))
        return {};
    const Entry& entry = m_entries[size_t(id)];
    if (!entry.members.empty()) {
        QRect united;
        for (const int member : entry.members)
            united = united.united(globalRect(member));
        return united;
    }
    if (!entry.target.isValid())
        return {};
    if (!entry.wholeRow)
        return access::globalRect(entry.target);
    const auto* grid = static_cast<const Grid*>(entry.target.widget.data());
    const int row = entry.target.row;
    const QRect local = grid->cellRect(row, 0).united(grid->cellRect(row, grid->cols() - 1));
    return QRect(grid->viewport()->mapToGlobal(local.topLeft()), local.size());
}

QString ScanTree::cueText(int id) const {
    if (id < 0 || id >= int(m_entries.size()))
        return {};
    const Entry& entry = m_entries[size_t(id)];
    if (!entry.members.empty())
        return cueText(entry.members.front());
    const access::Target& target = entry.target;
    if (!target.isValid() || !target.isCell() || entry.wholeRow)
        return {};
    return static_cast<const Grid*>(target.widget.data())->text(target.row, target.col);
}
