#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Copies of the user's data - the four data files, the phrase counts and the
// user's own recordings of characters and of phrases - made into a dated folder of their own (on a
// USB stick, say) and brought back from such a folder. A backup is complete or does not exist; a
// restore first backs up the files it replaces.
class DataBackup {
public:
    explicit DataBackup(const QString& dataDir);

    struct Result {
        bool ok = false;
        QString folder; // the backup made; for a restore, the copy made before it
        QString failed; // the file that could not be copied, empty for a folder
    };

    // Copies the data into a new folder "Talk-YYYY-MM-DD-hhmm" in parent
    // ("-2", "-3" ... when the minute's name is taken).
    Result backUp(const QString& parent, const QDateTime& now) const;

    // Replaces the data with the copies in folder, after backing up the
    // current data beside it ("Talk-YYYY-MM-DD-hhmm-復元前"). Nothing is
    // replaced when that copy cannot be made.
    Result restore(const QString& folder, const QDateTime& now) const;

    // Whether folder holds data files to restore (and is not the data folder
    // itself).
    bool canRestoreFrom(const QString& folder) const;

    // The file name a recording gets in a backup and back. Some names cannot
    // stand on the file systems of USB sticks ("?.wav", ":.wav") or clash
    // there with another ("A.wav" and "a.wav"): those characters, and "%",
    // become "%" and two hex digits.
    static QString storedName(const QString& name);
    static QString restoredName(const QString& stored);

private:
    // Names in the data folder: the data files there and the recordings.
    QStringList dataNames() const;
    Result copyInto(const QString& parent, const QString& name) const;

    QString m_dataDir;
};
