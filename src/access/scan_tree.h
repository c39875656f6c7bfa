#pragma once

#include "access/scan_node.h"
#include "access/target.h"

#include <QRect>
#include <QString>
#include <vector>

class Grid;
struct TalkControls;

// What the scan walks on one window, built from the controls that are on
// show and not covered by another, and the rectangle the highlight frames for
// each group and target.
//
// The main window: the board's columns from the first character's column
// (あ on the kana boards, at the right; "1" on the letters board, at the
// left), each with its cells from the top; or, while the selection panel is
// open, its rows; or the visible rows of the list on show. Then the panel's
// "スペース" and "戻る", the button area below the board, and the text
// panel's buttons, each as one group. "設定" and "終了" are left out. Any
// other window: its buttons and tappable labels in reading order.
class ScanTree {
public:
    ScanTree() = default;
    static ScanTree ofMainWindow(QWidget* window, const TalkControls& c);
    static ScanTree ofWindow(QWidget* window);

    const ScanNode& root() const { return m_root; }
    // The target of a leaf; invalid for a group.
    access::Target target(int id) const;
    // The rectangle to frame, on the screen: a target's (a list's whole
    // row), or all that its group's members cover.
    QRect globalRect(int id) const;
    // What the highlight says when auditory scanning is on: a cell's text,
    // or the first cell's text for a group of cells.
    QString cueText(int id) const;

private:
    struct Entry {
        access::Target target;
        bool wholeRow = false;
        std::vector<int> members;
    };
    ScanNode leaf(const access::Target& target, bool wholeRow = false);
    ScanNode group(std::vector<ScanNode> members);
    enum class Lines { Rows, ColumnsFromTheLeft, ColumnsFromTheRight };
    void addCellLines(QWidget* window, Grid* grid, Lines lines, std::vector<ScanNode>& top);
    void addListRows(QWidget* window, Grid* list, std::vector<ScanNode>& top);

    std::vector<Entry> m_entries;
    ScanNode m_root;
};
