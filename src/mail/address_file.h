#pragma once

#include <QString>

class GridModel;
class RecordFile;

// The address book addres.txt: one entry per record, a name, a separator and
// a mail address in one text.

// Reads the book into grdAD (2 columns; column 1 the entries as stored): row 0
// is the empty entry that stands for a new address, and it is marked. A
// missing file reads as an empty book.
void loadAddressFile(RecordFile& file, GridModel& grdAD);

// The records that store the book from grdAD with `text` as the entry of
// openedRow. An end marker "_" at the end of an entry is dropped; other
// entries lose their blanks at either end; blank entries are left out.
QStringList addressRecords(const GridModel& grdAD, int openedRow, const QString& text);
