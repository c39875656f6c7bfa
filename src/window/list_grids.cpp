#include "window/list_grids.h"

#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/twip_layout.h"
#include "window/talk_controls.h"

namespace list_grids {

Grid* visibleList(const TalkControls& c) {
    for (Grid* grid : {c.grdSp, c.grdEx, c.grdDay, c.grdAD, c.grdMail})
        if (grid->isVisibleTo(grid->window()))
            return grid;
    return nullptr;
}

int firstPaintedColumn(const TalkControls& c, const Grid* grid) {
    return grid == c.grdEx || grid == c.grdDay ? 1 : 0;
}

void placeOnBoard(TwipLayout& layout, const TalkControls& c, Grid* grid) {
    layout.place(grid, layout.rect(c.grdBoard));
}

void moveMark(const TalkControls& c, Grid* grid, qint32& selectedRow, int newRow) {
    const int firstCol = firstPaintedColumn(c, grid);
    grid->cells().paintRow(selectedRow, firstCol, bgrColor(colors::kWhite));
    grid->cells().paintRow(newRow, firstCol, bgrColor(colors::kHighlight));
    grid->setCurrent(newRow, firstCol);
    selectedRow = newRow;
}

void markFirstRow(Grid* grid, int firstCol, qint32& selectedRow) {
    markRow(grid, 0, firstCol, selectedRow);
}

void markRow(Grid* grid, int row, int firstCol, qint32& selectedRow) {
    grid->setCurrent(row, firstCol);
    grid->cells().paintRow(row, firstCol, bgrColor(colors::kHighlight));
    grid->setTopRow(row);
    selectedRow = row;
}

} // namespace list_grids
