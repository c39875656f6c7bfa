#pragma once

#include <QString>

// Where the recordings lie in the recordings folder. A character (or board
// cell) is spoken from <text>.wav, its text unchanged. A phrase's own
// recording lies in the subfolder "phrases", so that no phrase, however short,
// takes the place of a character's recording.
namespace recording_names {

inline const QString kPhraseFolder = QStringLiteral("phrases");

// <folder>/<text>.wav; empty for a text that cannot name a file in the folder
// (it holds "/" or NUL).
QString characterPath(const QString& folder, const QString& text);

// The file name of a phrase's recording: the phrase with "%", "~", "/" and the
// control characters written as %XX (UTF-8 bytes), then ".wav". Every phrase
// has a name of its own that stays inside the folder; a name that would be too
// long for the file system keeps the phrase's beginning and ends with "~" and
// a hash of the whole phrase. Empty for an empty phrase.
QString phraseFileName(const QString& phrase);

// <folder>/phrases/<phraseFileName>; empty for an empty phrase.
QString phrasePath(const QString& folder, const QString& phrase);

} // namespace recording_names
