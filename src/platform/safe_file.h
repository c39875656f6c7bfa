#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Reading and replacing the files that hold what the user wrote, so that no
// failure loses them: a read never blocks and never takes in more than a
// data file can be, and a save either puts the whole new content in place,
// keeping the former one, or leaves everything as it was and says so.
namespace safe_file {

// Larger files are no data file of this program: they are refused as damaged
// rather than read into memory.
inline constexpr qint64 kMaxBytes = qint64(64) * 1024 * 1024;

enum class ReadStatus {
    Read,       // a regular file, read whole
    Absent,     // nothing of that name: a new, empty file
    NotRegular, // a pipe, device, socket, folder or link that leads nowhere
    Unreadable, // a regular file that could not be read
    TooLarge,   // a regular file larger than kMaxBytes
};

struct ReadResult {
    ReadStatus status = ReadStatus::Absent;
    QByteArray bytes; // empty unless status is Read
};

// Reads the file at path (following links). Only a regular file is opened,
// without waiting for anything, so a pipe or a device in its place reads as
// nothing at once.
ReadResult read(const QString& path);

// Replaces the file at path with bytes. A link is followed to its file. Each
// step is checked (write, sync, close, rename); the new content goes to a
// temporary file beside the old one ("<name>.XXXXXX", six letters or digits)
// and replaces it in one rename, so the file holds the old or the new content
// at every moment. When `generations` is above 0 and the file exists, the
// previous content is kept first as "<name>.1", the older ones move up to
// "<name>.<generations>" and the oldest drops off; a previous content that
// cannot be kept fails the save before anything is replaced. False when the
// save did not happen: the file is then as it was. Nothing is written where a
// file of another kind (a pipe, a folder, a broken link) or a read-only file
// stands.
bool save(const QString& path, const QByteArray& bytes, int generations = 0);

// Removes the temporary files that saves of these paths cut off by a crash
// left behind: exactly the names save() gives them, regular files last
// changed before `before`.
void removeStrayTemporaries(const QStringList& paths, const QDateTime& before);

} // namespace safe_file
