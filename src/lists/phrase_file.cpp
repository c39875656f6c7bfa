#include "lists/phrase_file.h"

#include "platform/grid_model.h"
#include "platform/spaces.h"
#include "platform/text_file.h"

void loadPhraseFile(const QString& path, GridModel& grdEx, QStringList& phraseTexts) {
    QStringList texts;
    for (const QString& record : readRecords(path))
        texts.append(trimSpaces(record));
    for (qsizetype missing = 2 - texts.count(kPhrasePlaceholder); missing > 0; --missing)
        texts.prepend(kPhrasePlaceholder);

    std::vector<QStringList> rows;
    rows.reserve(size_t(texts.size()));
    for (const QString& text : texts)
        rows.push_back({QString(), text});
    // setAllTexts replaces every row, so the old rows need no removing first.
    grdEx.setCols(2);
    grdEx.setAllTexts(rows);
    phraseTexts = texts;
}

bool savePhraseFile(const QString& path, const GridModel& grdEx) {
    QStringList records;
    records.reserve(grdEx.rows());
    for (int row = 0; row < grdEx.rows(); ++row) {
        const QString text = grdEx.text(row, 1);
        const QString trimmed = trimSpaces(text);
        if (trimmed == kDiaryRowLabel || trimmed == kMailRowLabel)
            records.append(kPhrasePlaceholder);
        else if (!trimmed.isEmpty())
            records.append(text);
    }
    return writeRecords(path, records);
}

bool isCommandRowText(const QString& text) {
    const QString trimmed = trimSpaces(text);
    return trimmed == kPhrasePlaceholder || trimmed == kDiaryRowLabel || trimmed == kMailRowLabel;
}
