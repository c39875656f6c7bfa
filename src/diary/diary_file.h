#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class GridModel;
class RecordFile;

// The diary day.txt: one record per day, the date "YY.MM.DD", one space and
// the day's text, newest first.

// The date as the diary writes it, "YY.MM.DD".
QString diaryDate(const QDate& date);

// Reads the diary into grdDay (2 columns: the date, the text without blanks at
// either end), in file order. Records of one date make one row, their texts
// joined by a space in file order, so that no save writes a date twice. When
// no record is dated today, an empty row for today comes first.
void loadDiaryFile(RecordFile& file, GridModel& grdDay, const QDate& today);

// Orders the rows newest first and marks today's row (its text, not its
// date), which is row 0 unless days after today are stored (the clock was
// once ahead): a later day is never taken for today. Returns the marked row.
int selectFirstDiaryRow(GridModel& grdDay, const QDate& today);

// The records that store the diary from every row of grdDay, with `text` as
// the text of openedRow. A day with an empty text keeps its record.
QStringList diaryRecords(const GridModel& grdDay, int openedRow, const QString& text);
