#include "mail/mail_file.h"

#include "mail/entry_list.h"
#include "platform/grid_model.h"
#include "platform/spaces.h"

void loadMailFile(RecordFile& file, GridModel& grdMail) {
    loadEntryList(file, grdMail, 1, 0);
}

QStringList mailRecords(const GridModel& grdMail, int openedRow, const QString& text) {
    QStringList records;
    for (int row = 0; row < grdMail.rows(); ++row) {
        const QString mail = row == openedRow ? text : grdMail.text(row, 0);
        if (!isBlank(mail))
            records.append(mail);
    }
    return records;
}
