#include "mail/address_file.h"

#include "mail/entry_list.h"
#include "platform/grid_model.h"
#include "platform/spaces.h"

void loadAddressFile(RecordFile& file, GridModel& grdAD) {
    loadEntryList(file, grdAD, 2, 1);
}

QStringList addressRecords(const GridModel& grdAD, int openedRow, const QString& text) {
    QStringList records;
    for (int row = 0; row < grdAD.rows(); ++row) {
        // The text panel ends its text with the marker "_"; it is no part of
        // the entry. An entry taken from the list as it is loses its blanks.
        const QString entry = row == openedRow ? text : grdAD.text(row, 1);
        QString value;
        if (entry.endsWith(u'_'))
            value = entry.chopped(1);
        else
            value = row == openedRow ? entry : trimSpaces(entry);
        if (!isBlank(value))
            records.append(value);
    }
    return records;
}
