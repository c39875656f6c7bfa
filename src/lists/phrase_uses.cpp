#include "lists/phrase_uses.h"

#include "platform/record_file.h"

#include <cmath>
#include <limits>

namespace {
// A record is "<uses> <last choice> <phrase>": the phrase is the rest of the
// record after the second space, so it may hold spaces of its own.
bool parse(const QString& record, QString& phrase, qint64& uses, qint64& last) {
    const qsizetype first = record.indexOf(u' ');
    const qsizetype second = first < 0 ? -1 : record.indexOf(u' ', first + 1);
    if (second < 0)
        return false;
    bool usesOk = false;
    bool lastOk = false;
    uses = QStringView(record).left(first).toLongLong(&usesOk);
    last = QStringView(record).mid(first + 1, second - first - 1).toLongLong(&lastOk);
    phrase = record.mid(second + 1);
    return usesOk && lastOk && uses > 0 && last > 0 && !phrase.isEmpty();
}
} // namespace

void PhraseUses::load(const QString& path) {
    m_uses.clear();
    m_lastChoice = 0;
    QHash<QString, Use> read;
    qint64 lastChoice = 0;
    for (const QString& record : RecordFile(path).read()) {
        QString phrase;
        Use use;
        if (!parse(record, phrase, use.uses, use.last))
            return;
        read.insert(phrase, use);
        lastChoice = std::max(lastChoice, use.last);
    }
    m_uses = std::move(read);
    m_lastChoice = lastChoice;
}

bool PhraseUses::save(const QString& path) const {
    QStringList records;
    records.reserve(m_uses.size());
    for (auto it = m_uses.cbegin(); it != m_uses.cend(); ++it)
        records.append(QString::number(it->uses) + u' ' + QString::number(it->last) + u' ' +
                       it.key());
    // The same content is stored in the same order, whatever the hash's order.
    records.sort();
    RecordFile file(path);
    return file.write(file.encode(records));
}

void PhraseUses::record(const QString& phrase) {
    Use& use = m_uses[phrase];
    ++use.uses;
    use.last = ++m_lastChoice;
}

bool PhraseUses::remove(const QString& phrase) {
    return m_uses.remove(phrase);
}

double PhraseUses::rank(const QString& phrase) const {
    const auto it = m_uses.constFind(phrase);
    if (it == m_uses.cend())
        return -std::numeric_limits<double>::infinity();
    return std::log2(double(it->uses)) + double(it->last) / kHalfLife;
}
