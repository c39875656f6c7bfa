#pragma once

#include <QDate>
#include <QString>

class GridModel;

// The diary day.txt: one record per day, the date "YY.MM.DD", one space and
// the day's text, newest first.

// The date as the diary writes it, "YY.MM.DD".
QString diaryDate(const QDate& date);

// Reads the diary into grdDay (2 columns: the date, the text without blanks at
// either end), in file order. When the first record is not dated today, or
// there is no record at all, an empty row for today comes first.
void loadDiaryFile(const QString& path, GridModel& grdDay, const QDate& today);

// Orders the rows newest first and marks row 0 (its text, not its date).
void selectFirstDiaryRow(GridModel& grdDay);

// Rewrites the diary from every row of grdDay, with `text` as the text of
// openedRow. A day with an empty text keeps its record. False when the file
// could not be written; it then keeps its former content.
bool saveDiaryFile(const QString& path, const GridModel& grdDay, int openedRow,
                   const QString& text);
