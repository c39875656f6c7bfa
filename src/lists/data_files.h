#pragma once

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

// Tells the user that a file could not be saved (its former content is kept),
// so that a failed save is never taken for a stored one.
void noticeSaveFailed(Asker& asker, const QString& name);
} // namespace data_files
