#include "platform/text_file.h"

#include "platform/cp932_codec.h"
#include "platform/spaces.h"

#include <QFile>
#include <QSaveFile>

QStringList readTextLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // CR and LF never occur inside a two-byte character of the code page, so
    // the whole file can be decoded before it is split.
    const QString text = cp932::decode(file.readAll());
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

bool writeTextLines(const QString& path, const QStringList& lines) {
    if (!cp932::available())
        return false;
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = cp932::encode(text);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QStringList readRecords(const QString& path) {
    QStringList records;
    for (const QString& line : readTextLines(path)) {
        if (isBlank(line))
            continue;
        QString record = line;
        record.remove(u'"');
        records.append(record);
    }
    return records;
}

bool writeRecords(const QString& path, const QStringList& texts) {
    QStringList lines;
    lines.reserve(texts.size());
    for (const QString& text : texts) {
        QString record = text;
        record.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
        lines.append(u'"' + record + u'"');
    }
    return writeTextLines(path, lines);
}
