#include "lists/phrase_candidates.h"

#include "lists/phrase_file.h"
#include "platform/spaces.h"

#include <algorithm>

namespace {

QString withoutEndMarker(const QString& text) {
    return text.endsWith(u'_') ? text.chopped(1) : text;
}

int clampCaret(int caret, const QString& text) {
    return std::clamp(caret, 0, int(text.size()));
}

} // namespace

QString candidateKey(const QString& text, int caret, int sample) {
    if (text.isEmpty() || text.size() != qsizetype(caret) + 1 || sample <= 0)
        return {};
    return withoutEndMarker(text).right(sample);
}

QStringList matchingPhrases(const QStringList& phraseTexts, const QString& key) {
    QStringList matches;
    if (key.isEmpty())
        return matches;
    const QString typed = trimSpaces(key);
    const qsizetype length = key.size();
    // A view of the phrase's beginning: no copy per phrase of a large book.
    for (const QString& phrase : phraseTexts)
        if (QStringView(phrase).left(length) == typed && phrase != kPhrasePlaceholder)
            matches.append(phrase);
    return matches;
}

TextAndCaret chooseCandidate(const QString& text, int caret, const QString& candidate, int sample) {
    const QString phrase = trimSpaces(candidate);
    const int n = int(text.size());
    const int c = clampCaret(caret, text);
    const int p = int(phrase.size());
    TextAndCaret result;
    if (n <= sample) {
        result.text = phrase + u'_';
        result.caret = c + p - n + 1;
    } else if (text.endsWith(u'_')) {
        result.text = text.left(n - sample - 1) + phrase + text.mid(c);
        result.caret = c + p - sample;
    } else {
        result.text = text.left(n - sample) + phrase + text.mid(c);
        result.caret = c + p - sample + 1;
    }
    result.caret = clampCaret(result.caret, result.text);
    return result;
}

TextAndCaret insertPhrase(const QString& text, int caret, const QString& phrase) {
    const QString trimmed = trimSpaces(phrase);
    const int c = clampCaret(caret, text);
    return {text.left(c) + trimmed + text.mid(c), c + int(trimmed.size())};
}

QString phraseToRegister(const QString& text) {
    return trimSpaces(withoutEndMarker(text));
}
