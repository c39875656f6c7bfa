#pragma once

#include "platform/safe_file.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

// One data file beside the program: text in code page 932, one record a line
// between double quotes, CR LF after every line. The lists read and store
// their files through it, and it remembers of its last read what a save needs:
// whether the file may be rewritten at all, and the bytes of the records that
// their text cannot give back.
class RecordFile {
public:
    // Every save keeps the former versions "<name>.1" (newest) to "<name>.5".
    static constexpr int kGenerations = 5;

    explicit RecordFile(QString path);

    const QString& path() const { return m_path; }
    QString fileName() const;

    // The records of the file: its lines without the blank ones (nothing but
    // spaces), each with every double quote removed, not trimmed. A line ends
    // at CR or at CR LF and a lone LF is part of it; in a file without any CR
    // (edited where lines end in LF) a line ends at LF. A file that is
    // missing, is no regular file, or cannot be read has no records.
    QStringList read();
    // True when the last read found a regular file it could not read or
    // refused as too large: the user is to be told, and it is not rewritten.
    bool unreadable() const;

    // A record read with bytes that its text does not give back (bytes that
    // are no code page 932, or the second form of a character the code page
    // holds twice): the bytes of each of its characters.
    struct KeptRecord {
        QString text;
        std::vector<QByteArray> chars;
    };
    // What a save would store.
    struct Encoded {
        QByteArray bytes;
        QString lost; // characters the code page lacks, stored as "?"
        std::vector<KeptRecord> kept;
    };
    // Each text as one record between double quotes. A text that is a record
    // as read, apart from blanks, is written with the bytes it was read with,
    // so that a record nobody changed stays byte for byte. A CR inside a text
    // would end the record early when it is read back, so line breaks are
    // stored as the LF that a line may hold.
    Encoded encode(const QStringList& texts) const;
    // Replaces the file with the encoded records, keeping its former versions.
    // False, with the file as it was, when any step failed, when the last
    // read could not read the file, or when something other than a regular
    // file stands in its place.
    bool write(const Encoded& encoded);

    // The text as the file gives it back once stored.
    static QString asStored(const QString& text);

private:
    QString m_path;
    safe_file::ReadStatus m_lastRead = safe_file::ReadStatus::Absent;
    std::vector<KeptRecord> m_kept;
};
