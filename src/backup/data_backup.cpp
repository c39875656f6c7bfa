#include "backup/data_backup.h"

#include "lists/data_files.h"
#include "platform/safe_file.h"
#include "text/recording_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {
const QString kRecordingSuffix = QStringLiteral(".wav");

bool needsEscape(QChar c) {
    return c.unicode() <= 0x20 || (c >= u'A' && c <= u'Z') ||
           QStringView(u"\"*:<>?\\|%").contains(c);
}

// Replaces target with a copy of source as a whole, or leaves it as it was.
bool replaceWithCopy(const QString& source, const QString& target) {
    const safe_file::ReadResult in = safe_file::read(source);
    return in.status == safe_file::ReadStatus::Read && safe_file::save(target, in.bytes);
}

// The data files and the phrase counts.
QStringList dataFileNames() {
    return data_files::kAll + QStringList{data_files::kPhraseUses};
}

// The recordings of characters in a folder and those of phrases in its
// subfolder, as names relative to the folder.
QStringList recordingsIn(const QString& folder) {
    const QStringList pattern{QStringLiteral("*") + kRecordingSuffix};
    QStringList names = QDir(folder).entryList(pattern, QDir::Files, QDir::Name);
    const QString phrases = recording_names::kPhraseFolder;
    for (const QString& name :
         QDir(folder + QLatin1Char('/') + phrases).entryList(pattern, QDir::Files, QDir::Name))
        names.append(phrases + QLatin1Char('/') + name);
    return names;
}

// A relative name with its last part turned by convert (the folder stays).
QString withFileName(const QString& relative, QString (*convert)(const QString&)) {
    const qsizetype slash = relative.lastIndexOf(QLatin1Char('/'));
    return relative.left(slash + 1) + convert(relative.mid(slash + 1));
}

bool makeFolderOf(const QString& path) {
    return QDir().mkpath(QFileInfo(path).absolutePath());
}
} // namespace

DataBackup::DataBackup(const QString& dataDir)
    : m_dataDir(dataDir) {}

QString DataBackup::storedName(const QString& name) {
    QString stored;
    for (const QChar c : name) {
        if (needsEscape(c))
            stored += QLatin1Char('%') +
                      QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            stored += c;
    }
    return stored;
}

// Only what storedName escapes is turned back, so that a folder copied by
// hand keeps names such as "%.wav".
QString DataBackup::restoredName(const QString& stored) {
    QString name;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        bool hex = false;
        const QChar escaped(stored.mid(i + 1, 2).toUShort(&hex, 16));
        if (stored.at(i) == u'%' && i + 2 < stored.size() && hex && needsEscape(escaped)) {
            name += escaped;
            i += 2;
        } else {
            name += stored.at(i);
        }
    }
    return name;
}

QStringList DataBackup::dataNames() const {
    QStringList names;
    for (const QString& name : dataFileNames())
        if (QFileInfo(data_files::path(m_dataDir, name)).isFile())
            names.append(name);
    return names + recordingsIn(m_dataDir);
}

DataBackup::Result DataBackup::copyInto(const QString& parent, const QString& name) const {
    const QDir into(parent);
    QString folder = into.filePath(name);
    for (int n = 2; !into.mkdir(folder); ++n) {
        if (!into.exists() || n > 99)
            return {false, QString(), QString()};
        folder = into.filePath(name + QStringLiteral("-%1").arg(n));
    }
    for (const QString& file : dataNames()) {
        const QString stored =
            file.endsWith(kRecordingSuffix) ? withFileName(file, storedName) : file;
        const QString target = folder + QLatin1Char('/') + stored;
        if (!makeFolderOf(target) || !QFile::copy(data_files::path(m_dataDir, file), target)) {
            // An incomplete backup is never left to be taken for a whole one.
            QDir(folder).removeRecursively();
            return {false, QString(), file};
        }
    }
    // The copies reach the medium before the user is told to take it away.
    ::sync();
    return {true, folder, QString()};
}

DataBackup::Result DataBackup::backUp(const QString& parent, const QDateTime& now) const {
    return copyInto(parent, now.toString(QStringLiteral("'Talk-'yyyy-MM-dd-hhmm")));
}

bool DataBackup::canRestoreFrom(const QString& folder) const {
    if (QFileInfo(folder).canonicalFilePath() == QFileInfo(m_dataDir).canonicalFilePath())
        return false;
    for (const QString& name : data_files::kAll)
        if (QFileInfo(data_files::path(folder, name)).isFile())
            return true;
    return false;
}

DataBackup::Result DataBackup::restore(const QString& folder, const QDateTime& now) const {
    const QString parent = QFileInfo(folder).absolutePath();
    Result before =
        copyInto(parent, now.toString(QStringLiteral("'Talk-'yyyy-MM-dd-hhmm'-復元前'")));
    if (!before.ok)
        return before;
    QStringList names;
    for (const QString& name : dataFileNames())
        if (QFileInfo(data_files::path(folder, name)).isFile())
            names.append(name);
    names += recordingsIn(folder);
    for (const QString& name : names) {
        const QString target =
            name.endsWith(kRecordingSuffix) ? withFileName(name, restoredName) : name;
        const QString path = data_files::path(m_dataDir, target);
        if (!makeFolderOf(path) || !replaceWithCopy(data_files::path(folder, name), path))
            return {false, before.folder, target};
    }
    return {true, before.folder, QString()};
}
