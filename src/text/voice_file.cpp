#include "text/voice_file.h"

QString voiceFilePath(const QString& appDir, const QString& text) {
    if (text.contains(QLatin1Char('/')) || text.contains(QChar(0)))
        return QString();
    return appDir + QLatin1Char('/') + text + QStringLiteral(".wav");
}
