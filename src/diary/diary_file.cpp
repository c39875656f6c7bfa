#include "diary/diary_file.h"

#include "platform/colors.h"
#include "platform/grid_model.h"
#include "platform/spaces.h"
#include "platform/text_file.h"

#include <vector>

namespace {
constexpr int kDateLength = 8;
}

QString diaryDate(const QDate& date) {
    return QStringLiteral("%1.%2.%3")
        .arg(date.year() % 100, 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

void loadDiaryFile(const QString& path, GridModel& grdDay, const QDate& today) {
    const QStringList records = readRecords(path);
    const QString todayDate = diaryDate(today);
    std::vector<QStringList> rows;
    rows.reserve(size_t(records.size()) + 1);
    // Only the first record is compared: the file is kept newest first.
    if (records.isEmpty() || records.first().left(kDateLength) != todayDate)
        rows.push_back({todayDate, QString()});
    for (const QString& record : records)
        rows.push_back({record.left(kDateLength), trimSpaces(record.mid(kDateLength + 1))});
    grdDay.setRows(0);
    grdDay.setCols(2);
    grdDay.setAllTexts(rows);
}

void selectFirstDiaryRow(GridModel& grdDay) {
    if (grdDay.rows() == 0)
        return;
    grdDay.sortByColumn(0, Qt::DescendingOrder);
    grdDay.paintRow(0, 1, bgrColor(colors::kHighlight));
}

bool saveDiaryFile(const QString& path, const GridModel& grdDay, int openedRow,
                   const QString& text) {
    QStringList records;
    records.reserve(grdDay.rows());
    for (int row = 0; row < grdDay.rows(); ++row) {
        const QString dayText = row == openedRow ? text : grdDay.text(row, 1);
        records.append(grdDay.text(row, 0) + u' ' + dayText);
    }
    return writeRecords(path, records);
}
