#include "generated_book.h"

#include "lists/phrase_file.h"

QStringList generatedPhraseBook(int count) {
    QStringList texts{kPhrasePlaceholder, kPhrasePlaceholder};
    quint32 seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 16;
    };
    for (int i = 0; i < count; ++i) {
        QString text;
        const int length = 3 + int(next() % 10);
        for (int k = 0; k < length; ++k) {
            const bool head = k == 0 && next() % 8 == 0;
            text.append(QChar(char16_t(head ? 0x3042 : 0x3042 + next() % 0x50)));
        }
        texts.append(text);
    }
    return texts;
}
