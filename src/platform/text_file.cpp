#include "platform/text_file.h"

#include "platform/cp932_codec.h"
#include "platform/spaces.h"

#include <QFile>
#include <QSaveFile>

namespace {

// Calls f with each line of the file as a view into its decoded text; a file
// that is missing or cannot be read has no lines.
template <typename F> void forEachLine(const QString& path, F f) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // CR and LF never occur inside a two-byte character of the code page, so
    // the whole file can be decoded before it is split.
    const QString text = cp932::decode(file.readAll());
    const QStringView all(text);
    qsizetype start = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i] != u'\r')
            continue;
        f(all.sliced(start, i - start));
        if (i + 1 < all.size() && all[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < all.size())
        f(all.sliced(start));
}

} // namespace

QStringList readTextLines(const QString& path) {
    QStringList lines;
    forEachLine(path, [&lines](QStringView line) { lines.append(line.toString()); });
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
    // One copy per record: the view becomes the record, and its quotes are
    // removed in place.
    forEachLine(path, [&records](QStringView line) {
        if (isBlank(line))
            return;
        QString record = line.toString();
        record.remove(u'"');
        records.append(std::move(record));
    });
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
