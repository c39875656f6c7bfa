#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// How often and how recently each phrase was chosen, kept in a file of its
// own beside the phrase book (Talk.txt keeps its format). Every choice is
// numbered; a phrase's rank grows by one for each doubling of its uses and
// falls by one for every kHalfLife choices made since its last use, so a
// phrase used often long ago gives way, in time, to one used today.
class PhraseUses {
public:
    static constexpr double kHalfLife = 100.0;

    // Reads the counts file. A missing file, and a damaged one (any record
    // that is not "<uses> <last choice> <phrase>"), leave no counts at all.
    void load(const QString& path);
    // Replaces the counts file as a whole; false when it could not be written.
    bool save(const QString& path) const;

    // One more use of the phrase (trimmed text), the most recent choice.
    void record(const QString& phrase);
    // Drops the phrase's count; false when it had none.
    bool remove(const QString& phrase);

    bool isEmpty() const { return m_uses.isEmpty(); }
    // Higher ranks come first; a phrase never chosen has the lowest rank.
    double rank(const QString& phrase) const;

private:
    struct Use {
        qint64 uses = 0;
        qint64 last = 0; // number of the latest choice of the phrase
    };
    QHash<QString, Use> m_uses;
    qint64 m_lastChoice = 0;
};
