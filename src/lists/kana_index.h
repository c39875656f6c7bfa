#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class GridModel;

// The kana-row heading ("あ行", "カ行" ...) of a text: the first row of the kana
// table whose range holds the text's first character, or the empty string when
// none does (kanji, Latin letters, digits, "ー", an empty text ...).
QString kanaRowHeading(const QString& text);

// The order in which the phrase list shows its texts: ascending by code units
// (equal texts keep their order), except that the first two command rows stay
// on top even when a phrase sorts before them, so that no phrase is covered by
// a command-row label. Element i is the index of the text shown in row i.
std::vector<int> phraseListOrder(const QStringList& texts);

// The heading column of a list whose entries stand in this order.
QStringList kanaRowHeadings(const QStringList& entries);

// Sorts the address list by its entry (column 1) and writes the headings into
// column 0; the empty new-entry row sorts first.
void fillAddressIndex(GridModel& grdAD);
