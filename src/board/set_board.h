#pragma once

class Grid;
class QPushButton;

// SetBoard: fills the board with the set that follows the one cmdKey names,
// every cell white, gMaxC + 1 columns, and relabels cmdKey with the new set.
void setBoard(Grid& grdBoard, QPushButton& cmdKey, int gMaxC);
