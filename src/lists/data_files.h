#pragma once

#include <QString>

class Asker;

// The four data files, which lie in the folder of the executable.
namespace data_files {
inline const QString kPhrases = QStringLiteral("Talk.txt");
inline const QString kDiary = QStringLiteral("day.txt");
inline const QString kAddresses = QStringLiteral("addres.txt");
inline const QString kMails = QStringLiteral("mail.txt");
// How often and how recently each phrase was chosen (the order of use).
inline const QString kPhraseUses = QStringLiteral("TalkUse.txt");

inline QString path(const QString& appDir, const QString& name) {
    return appDir + QLatin1Char('/') + name;
}

// Tells the user that a file could not be saved (its former content is kept),
// so that a failed save is never taken for a stored one.
void noticeSaveFailed(Asker& asker, const QString& name);
} // namespace data_files
