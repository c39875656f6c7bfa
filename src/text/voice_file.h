#pragma once

#include <QString>

// The recording that speaks a text: the text itself, unchanged, with ".wav",
// in the application folder. A text that cannot be a file name (it contains a
// "/" or a NUL) has no recording: the result is empty, so nothing outside the
// folder is ever reached.
QString voiceFilePath(const QString& appDir, const QString& text);
