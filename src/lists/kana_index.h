#pragma once

#include <QString>

class GridModel;

// The kana-row heading ("あ行", "カ行" ...) of a text: the first row of the kana
// table whose range holds the text's first character, or the empty string when
// none does (kanji, Latin letters, digits, "ー", an empty text ...).
QString kanaRowHeading(const QString& text);

// Sorts the phrase list by its text (column 1) and writes the headings into
// column 0. The two command rows stay rows 0 and 1 even when a phrase sorts
// before them, so that no phrase is covered by a command-row label.
void fillPhraseIndex(GridModel& grdEx);

// Sorts the address list by its entry (column 1) and writes the headings into
// column 0; the empty new-entry row sorts first.
void fillAddressIndex(GridModel& grdAD);
