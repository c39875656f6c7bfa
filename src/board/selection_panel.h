#pragma once

#include <QStringList>
#include <array>

class GridModel;

namespace board {

// The three rows of three texts of the selection panel opened on board cell
// (row, col): panel cell (pr, pc) shows board cell (row - 1 + pr, col - 1 + pc),
// "" where that lies outside the board (rows 0 to 4, columns 0 to gMaxC). The
// variants of the middle text of each row that has a board cell in the middle
// are then written over its outer cells.
std::array<QStringList, 3> selectionPanelTexts(const GridModel& board, int col, int row, int gMaxC);

// PlaceVariants: writes the variants of text into the outer cells of one
// panel row, leaving a cell alone where the text has no such form.
void placeVariants(const QString& text, QStringList& panelRow);

} // namespace board
