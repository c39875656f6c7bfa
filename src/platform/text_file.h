#pragma once

#include <QString>
#include <QStringList>

// The data files beside the program: text in code page 932, one line per
// record, CR LF after every line. All of them are read and written here.

// The records of a file: its lines without the blank ones (nothing but spaces),
// each with every double quote removed, not trimmed. A line ends at CR or at
// CR LF; a lone LF is part of the line. A file that is missing or cannot be
// read has no records.
QStringList readRecords(const QString& path);

// Writes each text as one record between double quotes. A CR inside a text
// would end the record early when it is read back, so line breaks are stored
// as the LF that a line may hold. The file is replaced as a whole or not at
// all; false when it could not be written.
bool writeRecords(const QString& path, const QStringList& texts);
