#pragma once

#include <QStringList>

// A phrase book of `count` made-up phrases behind the two command-row
// placeholders, the same for every run. One phrase in eight begins with "あ",
// so that a tap on "あ" finds many candidates; every other character is drawn
// from the whole hiragana range.
QStringList generatedPhraseBook(int count);
