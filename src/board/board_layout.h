#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The three character sets of the board and where each character stands.
enum class BoardSet { Hiragana, Katakana, Letters };

namespace board {
constexpr int kRows = 5;
constexpr int kPlainMaxC = 9;   // ten columns: the plain kana rows
constexpr int kVoicedMaxC = 14; // fifteen columns: with the voiced rows

// The caption of cmdKey names the set on show.
QString caption(BoardSet set);
// The set that follows the one named by cmdKey's caption (compared trimmed):
// "英数" -> hiragana, "ひら" -> katakana, anything else -> letters and signs.
BoardSet nextSet(const QString& keyCaption);

// The cells of a board: kRows rows of gMaxC + 1 texts, "" where nothing stands.
// Kana columns run from the right (あ at index gMaxC) to わ at gMaxC - 9; with
// gMaxC 14 the voiced and semi-voiced columns fill indices 4 down to 0.
std::vector<QStringList> cells(BoardSet set, int gMaxC);
int columnWidthTwips(int gMaxC);
} // namespace board
