#include "board/selection_panel.h"

#include "board/board_layout.h"
#include "board/variants.h"
#include "platform/grid_model.h"

namespace board {

std::array<QStringList, 3> selectionPanelTexts(const GridModel& board, int col, int row,
                                               int gMaxC) {
    const auto boardText = [&](int r, int c) {
        const bool inside = r >= 0 && r < kRows && c >= 0 && c <= gMaxC;
        return inside ? board.text(r, c) : QString();
    };
    std::array<QStringList, 3> panel;
    for (int pr = 0; pr < 3; ++pr) {
        const int r = row - 1 + pr;
        for (int pc = 0; pc < 3; ++pc)
            panel[size_t(pr)].append(boardText(r, col - 1 + pc));
        // A panel row above the board's first row or below its last takes none.
        if (r >= 0 && r < kRows)
            placeVariants(boardText(r, col), panel[size_t(pr)]);
    }
    return panel;
}

void placeVariants(const QString& text, QStringList& panelRow) {
    const Variants v = variantsOf(text);
    if (!v.left.isEmpty())
        panelRow[0] = v.left;
    if (!v.right.isEmpty())
        panelRow[2] = v.right;
}

} // namespace board
