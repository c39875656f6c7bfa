#pragma once

#include <QString>

class GridModel;
class RecordFile;

// The saved mails mail.txt: one mail text per record.

// Reads the mails into grdMail (1 column, the texts as stored): row 0 is the
// empty entry that stands for a new mail, and it is marked. A missing file
// reads as no mails.
void loadMailFile(RecordFile& file, GridModel& grdMail);

// The records that store the mails from grdMail with `text` as the mail of
// openedRow. Texts are stored unchanged, a final "_" included; blank ones are
// left out.
QStringList mailRecords(const GridModel& grdMail, int openedRow, const QString& text);
