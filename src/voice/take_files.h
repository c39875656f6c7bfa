#pragma once

#include <QByteArray>
#include <QString>

// The files of the recordings the user keeps. A kept take replaces the
// recording at its path; the file it replaces becomes the one backup
// generation, <path>.bak, so that a bad take loses nothing. Every file is
// replaced as a whole or not at all.
namespace take_files {

QString backupPath(const QString& path);
bool hasBackup(const QString& path);

// Stores the WAV bytes at path (making its folder when needed); an existing
// recording becomes the backup first. False when anything could not be
// written; the recording at path is then unchanged.
bool keep(const QString& path, const QByteArray& wav);

// "元に戻す": the backup becomes the recording again, and the recording it
// replaces becomes the backup, so that a second restore brings the take back.
// False when there is no backup or the files could not be written.
bool restore(const QString& path);

} // namespace take_files
