#include "lists/phrase_file.h"

#include "platform/grid_model.h"
#include "platform/record_file.h"
#include "platform/spaces.h"

QStringList readPhraseTexts(RecordFile& file) {
    QStringList texts = file.read();
    for (QString& text : texts)
        text = trimSpaces(text);
    for (qsizetype missing = 2 - texts.count(kPhrasePlaceholder); missing > 0; --missing)
        texts.prepend(kPhrasePlaceholder);
    return texts;
}

QStringList phraseRecords(const GridModel& grdEx) {
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
    return records;
}

bool isCommandRowText(const QString& text) {
    const QString trimmed = trimSpaces(text);
    return trimmed == kPhrasePlaceholder || trimmed == kDiaryRowLabel || trimmed == kMailRowLabel;
}
