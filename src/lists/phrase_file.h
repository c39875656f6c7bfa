#pragma once

#include <QString>
#include <QStringList>

class GridModel;
class RecordFile;

// The phrase book Talk.txt: one phrase per record. The two command rows of the
// phrase list ("日記" and "メール") are stored as this placeholder, which sorts
// before the phrases so that they are the list's first two rows.
inline const QString kPhrasePlaceholder = QStringLiteral("ああああ日記ダミー消さないでね！");

// The grid labels of the two command rows.
inline const QString kDiaryRowLabel = QStringLiteral("日記");
inline const QString kMailRowLabel = QStringLiteral("メール");

// The texts of the phrase book in file order, trimmed. A book with fewer than
// two placeholder records (missing, new or emptied) gets the missing ones in
// front, so that the command rows always exist.
QStringList readPhraseTexts(RecordFile& file);

// The records that store the phrase book from column 1 of grdEx: a command row
// becomes the placeholder, a blank row is left out, any other text is stored
// as it stands.
QStringList phraseRecords(const GridModel& grdEx);

// True for a command row's text as loaded (the placeholder) or as labelled.
bool isCommandRowText(const QString& text);
