#include "text/recording_names.h"

#include <QCryptographicHash>
#include <QList>

namespace recording_names {

namespace {
// File names are at most 255 bytes; room is left for ".wav.bak", the backup
// that the recorder keeps beside a recording.
constexpr qsizetype kLongestEncoded = 255 - 8;
// A long phrase keeps this much of its beginning before the hash.
constexpr qsizetype kKeptBeginning = 200;

bool escaped(char32_t c) {
    return c < 0x20 || c == 0x7F || c == U'%' || c == U'~' || c == U'/';
}

QString escape(const QString& phrase) {
    QString name;
    for (const char32_t c : phrase.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (!escaped(c)) {
            name += character;
            continue;
        }
        for (const char byte : character.toUtf8())
            name += QStringLiteral("%%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    return name;
}

// The longest beginning of name, whole characters only, of at most `bytes`
// bytes in UTF-8.
QString beginning(const QString& name, qsizetype bytes) {
    QString kept;
    qsizetype used = 0;
    for (const char32_t c : name.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        used += character.toUtf8().size();
        if (used > bytes)
            break;
        kept += character;
    }
    return kept;
}
} // namespace

QString characterPath(const QString& folder, const QString& text) {
    // A "/" would reach outside the folder or another file ("/" itself
    // would name the hidden file ".wav").
    if (text.contains(QLatin1Char('/')) || text.contains(QChar(0)))
        return QString();
    return folder + QLatin1Char('/') + text + QStringLiteral(".wav");
}

QString phraseFileName(const QString& phrase) {
    if (phrase.isEmpty())
        return QString();
    QString name = escape(phrase);
    const qsizetype suffix = QStringLiteral(".wav").size();
    if (name.toUtf8().size() + suffix > kLongestEncoded) {
        // "~" is always escaped inside a phrase, so a hashed name never equals
        // the name of a shorter phrase.
        const QByteArray hash =
            QCryptographicHash::hash(phrase.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
        name = beginning(name, kKeptBeginning) + QLatin1Char('~') + QString::fromLatin1(hash);
    }
    return name + QStringLiteral(".wav");
}

QString phrasePath(const QString& folder, const QString& phrase) {
    const QString name = phraseFileName(phrase);
    if (name.isEmpty())
        return QString();
    return folder + QLatin1Char('/') + kPhraseFolder + QLatin1Char('/') + name;
}

} // namespace recording_names
