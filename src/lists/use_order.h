#pragma once

#include <QStringList>

class GridModel;
class PhraseUses;

// The order of use: the phrases most used, and most recently, first; phrases
// of equal rank, and those never chosen, keep the order they came in.
QStringList orderByUse(const QStringList& phrases, const PhraseUses& uses);

// Orders the phrase list's rows by use within each kana row: a run of rows
// begins where column 0 holds a heading, and the heading stays on the run's
// first row while the phrases of column 1 move. The command rows keep their
// places.
void orderPhraseListByUse(GridModel& grdEx, const PhraseUses& uses);
