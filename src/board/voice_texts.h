#pragma once

#include <QStringList>

namespace board {

// Every text the program can speak, each once: the cells of the three boards
// with ten and fifteen columns, every variant form, the spaces that stand for
// an empty cell and the space key, the end marker "_", and each single
// character of the multi-character cells, which read-aloud speaks one by one.
// Each needs one recording <text>.wav beside the executable.
QStringList voiceTexts();

} // namespace board
