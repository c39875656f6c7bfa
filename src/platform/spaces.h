#pragma once

#include <QString>

// Trimming of the stored texts. Only the ASCII space U+0020 counts as a blank:
// the data files were written by a program that trimmed nothing else, so an
// ideographic space U+3000 at either end of a phrase, diary text or address is
// part of the text and is kept.
QString trimSpaces(const QString& text);
bool isBlank(QStringView text);
