#pragma once

#include "window/settings.h"

#include <QString>
#include <QStringList>

// The values the subsystems share, owned by the main window and handed by
// reference to those that use them.
struct SharedState {
    QString appDir;          // the data folder: data files and the user's own recordings
    QString programDir;      // the program's own recordings (the data folder when empty)
    Settings settings;       // the options, as last read from the store
    qint32 selectedRow = 0;  // chosen row of whichever list grid is visible
    QString selectedText;    // last two-tap board text, or the chosen list text
    qint32 openedRow = 0;    // list row opened into the text panel
    QStringList phraseTexts; // the phrase book's texts in file order
    QString mailName;        // recipient of the opened address
    QString mailAddress;
    bool dialogAnswer = false; // the last question's answer: true for the left button
    bool keyHeld = false;      // a repeating button is held down
    bool stopRead = false;     // stop the read-aloud
};
