#include "mail/entry_list.h"

#include "platform/colors.h"
#include "platform/grid_model.h"
#include "platform/record_file.h"

#include <vector>

void loadEntryList(RecordFile& file, GridModel& grid, int cols, int textCol) {
    const QStringList records = file.read();
    std::vector<QStringList> rows(size_t(records.size()) + 1);
    for (QStringList& row : rows)
        for (int col = 0; col < cols; ++col)
            row.append(QString());
    for (qsizetype i = 0; i < records.size(); ++i)
        rows[size_t(i) + 1][textCol] = records.at(i);
    grid.setRows(0);
    grid.setCols(cols);
    grid.setAllTexts(rows);
    grid.paintRow(0, textCol, bgrColor(colors::kHighlight));
}
