#pragma once

#include "platform/record_file.h"

#include <QString>
#include <QStringList>

class Asker;

// The four data files, which lie in the data folder: beside the executable of
// a program that runs where it was built, in the user's data folder for an
// installed one.
namespace data_files {
inline const QString kPhrases = QStringLiteral("Talk.txt");
inline const QString kDiary = QStringLiteral("day.txt");
inline const QString kAddresses = QStringLiteral("addres.txt");
inline const QString kMails = QStringLiteral("mail.txt");
inline const QStringList kAll{kPhrases, kDiary, kAddresses, kMails};
// How often and how recently each phrase was chosen (the order of use).
inline const QString kPhraseUses = QStringLiteral("TalkUse.txt");

inline QString path(const QString& appDir, const QString& name) {
    return appDir + QLatin1Char('/') + name;
}

// Copies the starter data files of programDir into dataDir, each only where
// dataDir has no such file yet, so that the user's own files are never
// replaced. False when the folder could not be made or a file not copied.
bool placeStarterFiles(const QString& programDir, const QString& dataDir);

} // namespace data_files

// The four data files of the data folder, and how the lists read and store
// them with the user told of whatever goes wrong: a file that cannot be read,
// characters that cannot be kept, a save that failed. Each file remembers
// what its last read found, so one DataFiles serves the whole session.
class DataFiles {
public:
    DataFiles(const QString& folder, Asker& asker);

    RecordFile& phrases() { return m_phrases; }
    RecordFile& diary() { return m_diary; }
    RecordFile& addresses() { return m_addresses; }
    RecordFile& mails() { return m_mails; }

    // Tells the user when the file's last read found a file it could not read
    // (damaged or too large): its list shows nothing of it, and it is kept
    // as it is.
    void noticeIfUnreadable(const RecordFile& file);

    // Stores the records in the file. Characters that the code page lacks are
    // named first (style 33, under `title`): "ＯＫ" stores them as "?",
    // "キャンセル" stores nothing. A save that fails is noticed (style 48) and
    // the file keeps its former content. True only when the file was stored.
    bool store(RecordFile& file, const QStringList& records, const QString& title);

    // Removes what saves cut off by a crash left beside the files; called at
    // start, when no save of this session has begun.
    void removeStrayTemporaries();

private:
    Asker& m_asker;
    RecordFile m_phrases;
    RecordFile m_diary;
    RecordFile m_addresses;
    RecordFile m_mails;
};
