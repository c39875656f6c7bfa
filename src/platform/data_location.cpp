#include "platform/data_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

DataLocation DataLocation::choose(const QString& exeDir, const QString& installedDir,
                                  const QString& userDataDir, bool exeDirWritable) {
    if (QFileInfo(installedDir).isDir())
        return {userDataDir, QDir::cleanPath(installedDir)};
    if (exeDirWritable)
        return {exeDir, exeDir};
    return {userDataDir, exeDir};
}

DataLocation DataLocation::ofThisProgram() {
    const QString exeDir = QCoreApplication::applicationDirPath();
    // The application's folder in the user's data folder, named like the
    // settings file (Talk.conf) whatever the executable is called.
    const QString userDataDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QStringLiteral("/Talk");
    // TALK_INSTALLED_FILES: the folder of the program's own files as the
    // install lays it out, relative to the executable's (../share/talk).
    return choose(exeDir, exeDir + QStringLiteral("/" TALK_INSTALLED_FILES), userDataDir,
                  QFileInfo(exeDir).isWritable());
}
