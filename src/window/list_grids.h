#pragma once

#include <QtGlobal>

class Grid;
struct TalkControls;
class TwipLayout;

// What the five list grids share: where they stand, which of them is on show,
// and how the chosen row is marked.
namespace list_grids {

// The first visible of grdSp, grdEx, grdDay, grdAD, grdMail, or none.
Grid* visibleList(const TalkControls& c);

// grdEx and grdDay keep column 0 (a heading or a date) unpainted.
int firstPaintedColumn(const TalkControls& c, const Grid* grid);

// Lays the grid over the character board: the board's left, top, width and
// height.
void placeOnBoard(TwipLayout& layout, const TalkControls& c, Grid* grid);

// Moves the mark from row selectedRow to row newRow (painting from the grid's
// first painted column to its last) and makes newRow the chosen row.
void moveMark(const TalkControls& c, Grid* grid, qint32& selectedRow, int newRow);

// After a list is loaded: row 0 marked from firstCol, chosen, and at the top.
void markFirstRow(Grid* grid, int firstCol, qint32& selectedRow);
// The same for another row.
void markRow(Grid* grid, int row, int firstCol, qint32& selectedRow);

} // namespace list_grids
