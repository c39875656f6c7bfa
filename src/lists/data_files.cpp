#include "lists/data_files.h"

#include "platform/asker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace data_files {

namespace {
// The copy is made under a temporary name and renamed without replacing, so
// that an interrupted copy leaves no half-written data file and a file that
// appears meanwhile is kept.
bool copyIfMissing(const QString& source, const QString& target) {
    const QFileInfo existing(target);
    if (existing.exists() || existing.isSymLink() || !QFileInfo::exists(source))
        return true;
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    if (!QFile::copy(source, partial))
        return false;
    // The copy takes the installed file's permissions; the user must be able
    // to save it.
    QFile::setPermissions(partial,
                          QFile::permissions(partial) | QFile::WriteOwner | QFile::WriteUser);
    const bool renamed = QFile::rename(partial, target);
    QFile::remove(partial);
    return renamed || QFileInfo::exists(target);
}
} // namespace

bool placeStarterFiles(const QString& programDir, const QString& dataDir) {
    if (QDir(programDir) == QDir(dataDir))
        return true;
    if (!QDir().mkpath(dataDir))
        return false;
    bool placed = true;
    for (const QString& name : kAll)
        placed = copyIfMissing(path(programDir, name), path(dataDir, name)) && placed;
    return placed;
}

void noticeSaveFailed(Asker& asker, const QString& name) {
    asker.ask(QStringLiteral("「%1」を保存できませんでした。").arg(name), Asker::Notice,
              QStringLiteral("保存できません"));
}

} // namespace data_files
