#pragma once

#include <QString>

class GridModel;
class RecordFile;

// Fills a list grid of `cols` columns from the records of a file: row 0 is an
// empty entry (a new one), the records follow in file order, untrimmed, in
// column `textCol`. Row 0 is marked from `textCol` to the last column.
void loadEntryList(RecordFile& file, GridModel& grid, int cols, int textCol);
