#include "platform/record_file.h"

#include "platform/cp932_codec.h"

#include <QFileInfo>
#include <QHash>

namespace {

// The lines of a file: a line ends at CR or at CR LF. A file without any CR
// was written where lines end in LF, and there LF ends them. Neither byte
// occurs inside a two-byte character of the code page.
std::vector<QByteArrayView> splitLines(const QByteArray& bytes) {
    std::vector<QByteArrayView> lines;
    const bool crLines = bytes.contains('\r');
    const char end = crLines ? '\r' : '\n';
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) != end)
            continue;
        lines.push_back(QByteArrayView(bytes).sliced(start, i - start));
        if (crLines && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(QByteArrayView(bytes).sliced(start));
    return lines;
}

bool isBlankLine(QByteArrayView line) {
    for (const char byte : line)
        if (byte != ' ')
            return false;
    return true;
}

// The bytes of each character of a line as read, its double quotes left out
// as the text leaves them out.
RecordFile::KeptRecord keptRecord(QByteArrayView line, const QString& decoded) {
    RecordFile::KeptRecord kept;
    const std::vector<int> lengths = cp932::charLengths(line);
    qsizetype offset = 0;
    for (size_t i = 0; i < lengths.size(); ++i) {
        if (decoded.at(qsizetype(i)) != u'"') {
            kept.text += decoded.at(qsizetype(i));
            kept.chars.push_back(line.sliced(offset, lengths[i]).toByteArray());
        }
        offset += lengths[i];
    }
    return kept;
}

QString withoutBlanks(QString text) {
    return text.remove(u' ');
}

QString withoutCr(const QString& text) {
    if (!text.contains(u'\r'))
        return text;
    QString lf = text;
    return lf.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
}

// The bytes of each character of text, which is the kept record's text apart
// from blanks: its other characters keep the bytes they were read with.
std::vector<QByteArray> charsOf(const QString& text, const RecordFile::KeptRecord& kept) {
    if (text == kept.text)
        return kept.chars;
    std::vector<QByteArray> chars;
    size_t from = 0;
    for (const QChar c : text) {
        if (c == u' ') {
            chars.emplace_back(" ");
            continue;
        }
        while (kept.text.at(qsizetype(from)) == u' ')
            ++from;
        chars.push_back(kept.chars[from++]);
    }
    return chars;
}

} // namespace

RecordFile::RecordFile(QString path)
    : m_path(std::move(path)) {}

QString RecordFile::fileName() const {
    return QFileInfo(m_path).fileName();
}

QStringList RecordFile::read() {
    const safe_file::ReadResult result = safe_file::read(m_path);
    m_lastRead = result.status;
    m_kept.clear();
    const std::vector<QByteArrayView> lines = splitLines(result.bytes);
    QStringList records;
    records.reserve(qsizetype(lines.size()));
    for (const QByteArrayView line : lines) {
        if (isBlankLine(line))
            continue;
        bool exact = true;
        QString record = cp932::decode(line, &exact);
        if (!exact)
            m_kept.push_back(keptRecord(line, record));
        record.remove(u'"');
        records.append(record);
    }
    return records;
}

bool RecordFile::unreadable() const {
    return m_lastRead == safe_file::ReadStatus::Unreadable ||
           m_lastRead == safe_file::ReadStatus::TooLarge;
}

RecordFile::Encoded RecordFile::encode(const QStringList& texts) const {
    Encoded encoded;
    // The kept records by their text, and by their text without blanks for the
    // lists that trim what they read.
    QHash<QString, std::vector<size_t>> byText;
    QHash<QString, std::vector<size_t>> byLetters;
    for (size_t i = 0; i < m_kept.size(); ++i) {
        byText[m_kept[i].text].push_back(i);
        byLetters[withoutBlanks(m_kept[i].text)].push_back(i);
    }
    std::vector<bool> used(m_kept.size(), false);
    const auto take = [&](const QHash<QString, std::vector<size_t>>& index,
                          const QString& key) -> const KeptRecord* {
        const auto found = index.constFind(key);
        if (found == index.constEnd())
            return nullptr;
        for (const size_t i : *found)
            if (!used[i]) {
                used[i] = true;
                return &m_kept[i];
            }
        return nullptr;
    };

    // Records without kept bytes are encoded together, in one conversion.
    QString pending;
    const auto encodePending = [&] {
        encoded.bytes += cp932::encode(pending, &encoded.lost);
        pending.clear();
    };
    for (const QString& text : texts) {
        const QString record = withoutCr(text);
        const KeptRecord* kept = nullptr;
        if (!m_kept.empty()) {
            kept = take(byText, record);
            if (!kept)
                kept = take(byLetters, withoutBlanks(record));
        }
        if (!kept) {
            pending += u'"';
            pending += record;
            pending += QLatin1String("\"\r\n");
            continue;
        }
        encodePending();
        KeptRecord written{record, charsOf(record, *kept)};
        encoded.bytes += '"';
        for (const QByteArray& c : written.chars)
            encoded.bytes += c;
        encoded.bytes += "\"\r\n";
        encoded.kept.push_back(std::move(written));
    }
    encodePending();
    return encoded;
}

bool RecordFile::write(const Encoded& encoded) {
    if (m_lastRead != safe_file::ReadStatus::Read && m_lastRead != safe_file::ReadStatus::Absent)
        return false;
    if (!cp932::available() || !safe_file::save(m_path, encoded.bytes, kGenerations))
        return false;
    m_kept = encoded.kept;
    return true;
}

QString RecordFile::asStored(const QString& text) {
    return cp932::decode(cp932::encode(withoutCr(text)));
}
