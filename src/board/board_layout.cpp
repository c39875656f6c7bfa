#include "board/board_layout.h"

namespace {
// One kana column per string, rows 0 to 4 (a, i, u, e, o), in the order あ か さ
// ... わ; the column of entry k stands at index gMaxC - k.
const char16_t* const kHiragana[] = {u"あいうえお", u"かきくけこ", u"さしすせそ", u"たちつてと",
                                     u"なにぬねの", u"はひふへほ", u"まみむめも", u"やゆよー？",
                                     u"らりるれろ", u"わをん。、"};
const char16_t* const kKatakana[] = {u"アイウエオ", u"カキクケコ", u"サシスセソ", u"タチツテト",
                                     u"ナニヌネノ", u"ハヒフヘホ", u"マミムメモ", u"ヤユヨー？",
                                     u"ラリルレロ", u"ワヲン。、"};
// The voiced and semi-voiced columns of the fifteen-column board, at indices
// 4, 3, 2, 1, 0.
const char16_t* const kHiraganaVoiced[] = {u"がぎぐげご", u"ざじずぜぞ", u"だぢづでど",
                                           u"ばびぶべぼ", u"ぱぴぷぺぽ"};
const char16_t* const kKatakanaVoiced[] = {u"ガギグゲゴ", u"ザジズゼゾ", u"ダヂヅデド",
                                           u"バビブベボ", u"パピプペポ"};

const char* const kLetters[board::kRows][10] = {
    {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"},
    {"Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P"},
    {"A", "S", "D", "F", "G", "H", "J", "K", "L", ";"},
    {"/", "Z", "X", "C", "V", "B", "N", "M", ",", "."},
    {":", "%", "+", "-", "?", "@", "\xE3\x80\x82", "!", "(^_^)", "(T_T)"},
};

void putColumn(std::vector<QStringList>& rows, int col, const char16_t* kana) {
    if (col < 0 || col >= rows.front().size())
        return;
    const QString column = QString::fromUtf16(kana);
    for (int r = 0; r < board::kRows; ++r)
        rows[size_t(r)][col] = column.at(r);
}
} // namespace

namespace board {

QString caption(BoardSet set) {
    switch (set) {
    case BoardSet::Hiragana:
        return QStringLiteral("ひら");
    case BoardSet::Katakana:
        return QStringLiteral("カタ");
    case BoardSet::Letters:
        break;
    }
    return QStringLiteral("英数");
}

BoardSet nextSet(const QString& keyCaption) {
    const QString name = keyCaption.trimmed();
    if (name == QStringLiteral("英数"))
        return BoardSet::Hiragana;
    if (name == QStringLiteral("ひら"))
        return BoardSet::Katakana;
    return BoardSet::Letters;
}

std::vector<QStringList> cells(BoardSet set, int gMaxC) {
    const int cols = gMaxC + 1;
    std::vector<QStringList> rows(kRows);
    for (QStringList& row : rows)
        for (int c = 0; c < cols; ++c)
            row.append(QString());

    if (set == BoardSet::Letters) {
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < 10 && c < cols; ++c)
                rows[size_t(r)][c] = QString::fromUtf8(kLetters[r][c]);
        return rows;
    }
    const bool hiragana = set == BoardSet::Hiragana;
    for (int k = 0; k < 10; ++k)
        putColumn(rows, gMaxC - k, hiragana ? kHiragana[k] : kKatakana[k]);
    if (gMaxC == kVoicedMaxC)
        for (int k = 0; k < 5; ++k)
            putColumn(rows, 4 - k, hiragana ? kHiraganaVoiced[k] : kKatakanaVoiced[k]);
    return rows;
}

int columnWidthTwips(int gMaxC) {
    return gMaxC == kVoicedMaxC ? 1013 : 1530;
}

} // namespace board
