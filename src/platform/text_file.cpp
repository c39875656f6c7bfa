#include "platform/text_file.h"

#include "platform/cp932_codec.h"
#include "platform/spaces.h"

#include <QFile>
#include <QSaveFile>
#include <vector>

namespace {

// The whole file as text; empty when it is missing or cannot be read.
QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // CR and LF never occur inside a two-byte character of the code page, so
    // the whole file can be decoded before it is split.
    return cp932::decode(file.readAll());
}

// The lines of a text as views into it: a line ends at CR or at CR LF.
std::vector<QStringView> splitLines(const QString& text) {
    std::vector<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'\r')
            continue;
        lines.push_back(QStringView(text).mid(start, i - start));
        if (i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(QStringView(text).mid(start));
    return lines;
}

bool writeText(const QString& path, const QString& text) {
    if (!cp932::available())
        return false;
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

} // namespace

QStringList readRecords(const QString& path) {
    const QString text = readText(path);
    const std::vector<QStringView> lines = splitLines(text);
    QStringList records;
    records.reserve(qsizetype(lines.size()));
    for (const QStringView line : lines) {
        if (isBlank(line))
            continue;
        QString record = line.toString();
        record.remove(u'"');
        records.append(record);
    }
    return records;
}

bool writeRecords(const QString& path, const QStringList& texts) {
    QString text;
    qsizetype length = 0;
    for (const QString& record : texts)
        length += record.size() + 4;
    text.reserve(length);
    for (const QString& record : texts) {
        text += u'"';
        if (record.contains(u'\r')) {
            QString withoutCr = record;
            withoutCr.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
            text += withoutCr;
        } else {
            text += record;
        }
        text += QLatin1String("\"\r\n");
    }
    return writeText(path, text);
}
