#pragma once

#include <QString>

// Where the program finds its own files - the recordings it speaks with and
// the starter data files - and where it keeps the user's: the data files and
// the user's own recordings.
struct DataLocation {
    QString dataDir;    // the user's data files and own recordings
    QString programDir; // the program's recordings and starter data files

    // The choice for the executable in exeDir. A program that runs where it
    // was built or copied (a build, a USB stick) and whose folder the user
    // can write keeps everything beside the executable. An installed program
    // (its own files in installedDir) and one whose folder cannot be written
    // keep the data in userDataDir; their own files stay where they are.
    // An installed program never writes beside its executable, even for a
    // user who could (root and /usr/bin, a per-user install in ~/.local/bin).
    static DataLocation choose(const QString& exeDir, const QString& installedDir,
                               const QString& userDataDir, bool exeDirWritable);

    // The choice for this process, from the folder of its executable and the
    // per-user application data folder ~/.local/share/Talk.
    static DataLocation ofThisProgram();
};
