#pragma once

#include <QString>
#include <QStringList>

// A text of the text panel and its caret position (0-based, UTF-16 units).
struct TextAndCaret {
    QString text;
    int caret = 0;
};

// The key for the phrase candidates after an entry: the last `sample`
// characters before the end marker "_" (all of them when fewer). Empty when
// the entry was not made at the end, i.e. the caret does not stand just before
// the text's last character.
QString candidateKey(const QString& text, int caret, int sample);

// The phrases, in book order, whose first L characters equal the key without
// its blanks, L being the key's length before trimming; exact comparison. The
// placeholder of the command rows is never offered.
QStringList matchingPhrases(const QStringList& phraseTexts, const QString& key);

// Replaces the typed beginning (the last `sample` characters before the end
// marker) with the chosen candidate, without its blanks; the caret lands right
// after it, never outside the text.
TextAndCaret chooseCandidate(const QString& text, int caret, const QString& candidate, int sample);

// Inserts the phrase, without its blanks, at the caret; the caret moves after it.
TextAndCaret insertPhrase(const QString& text, int caret, const QString& phrase);

// The phrase that the text panel's text registers: without its end marker,
// then without blanks at either end.
QString phraseToRegister(const QString& text);
