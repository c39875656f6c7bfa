#include "board/set_board.h"

#include "board/board_layout.h"
#include "platform/colors.h"
#include "platform/grid.h"

#include <QPushButton>

void setBoard(Grid& grdBoard, QPushButton& cmdKey, int gMaxC) {
    const DrawingSuspended suspended(&grdBoard);
    const BoardSet set = board::nextSet(cmdKey.text());
    grdBoard.setRows(board::kRows);
    grdBoard.setCols(gMaxC + 1);
    grdBoard.cells().setAllTexts(board::cells(set, gMaxC));
    grdBoard.cells().paintAll(bgrColor(colors::kWhite));
    for (int c = 0; c <= gMaxC; ++c)
        grdBoard.setColumnWidthTwips(c, board::columnWidthTwips(gMaxC));
    cmdKey.setText(board::caption(set));
}
