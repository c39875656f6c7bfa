#include "board/voice_texts.h"

#include "board/board_layout.h"
#include "board/variants.h"

namespace board {

QStringList voiceTexts() {
    QStringList texts;
    for (BoardSet set : {BoardSet::Hiragana, BoardSet::Katakana, BoardSet::Letters})
        for (int gMaxC : {kPlainMaxC, kVoicedMaxC})
            for (const QStringList& row : cells(set, gMaxC))
                for (const QString& cell : row) {
                    if (cell.isEmpty())
                        continue;
                    texts.append(cell);
                    if (cell.size() > 1)
                        for (QChar c : cell)
                            texts.append(QString(c));
                }
    texts += allVariantForms();
    texts << QStringLiteral("\u3000") << QStringLiteral(" ") << QStringLiteral("_");
    texts.removeDuplicates();
    return texts;
}

} // namespace board
