#include "diary/diary_file.h"

#include "platform/colors.h"
#include "platform/grid_model.h"
#include "platform/record_file.h"
#include "platform/spaces.h"

#include <QHash>
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

void loadDiaryFile(RecordFile& file, GridModel& grdDay, const QDate& today) {
    const QStringList records = file.read();
    const QString todayDate = diaryDate(today);
    std::vector<QStringList> rows;
    rows.reserve(size_t(records.size()) + 1);
    // A file that holds a date twice (hand-edited, or left so by a clock set
    // back) shows that day once.
    QHash<QString, size_t> rowOfDate;
    for (const QString& record : records) {
        const QString date = record.left(kDateLength);
        const QString text = trimSpaces(record.mid(kDateLength + 1));
        const auto known = rowOfDate.constFind(date);
        if (known == rowOfDate.constEnd()) {
            rowOfDate.insert(date, rows.size());
            rows.push_back({date, text});
            continue;
        }
        QString& joined = rows[*known][1];
        if (joined.isEmpty())
            joined = text;
        else if (!text.isEmpty())
            joined += u' ' + text;
    }
    if (!rowOfDate.contains(todayDate))
        rows.insert(rows.begin(), {todayDate, QString()});
    grdDay.setRows(0);
    grdDay.setCols(2);
    grdDay.setAllTexts(rows);
}

int selectFirstDiaryRow(GridModel& grdDay, const QDate& today) {
    if (grdDay.rows() == 0)
        return 0;
    grdDay.sortByColumn(0, Qt::DescendingOrder);
    const QString todayDate = diaryDate(today);
    int row = 0;
    for (int r = 0; r < grdDay.rows(); ++r)
        if (grdDay.text(r, 0) == todayDate) {
            row = r;
            break;
        }
    grdDay.paintRow(row, 1, bgrColor(colors::kHighlight));
    return row;
}

QStringList diaryRecords(const GridModel& grdDay, int openedRow, const QString& text) {
    QStringList records;
    records.reserve(grdDay.rows());
    for (int row = 0; row < grdDay.rows(); ++row) {
        const QString dayText = row == openedRow ? text : grdDay.text(row, 1);
        records.append(grdDay.text(row, 0) + u' ' + dayText);
    }
    return records;
}
