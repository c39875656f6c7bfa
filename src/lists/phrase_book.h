#pragma once

#include <QStringList>

class GridModel;

// The phrase book as the candidates and the phrase list use it: its texts in
// file order (phraseTexts), and the list's rows sorted and headed, as
// LoadPhraseFile and FillPhraseIndex leave them. Reading it needs no widget,
// so any thread can do it.
class PhraseBook {
public:
    static PhraseBook read(const QString& path);

    const QStringList& texts() const { return m_texts; }
    // Replaces grdEx with the list: two columns, the headings and the texts.
    void fillList(GridModel& grdEx) const;

private:
    QStringList m_texts;
    QStringList m_listTexts;
    QStringList m_headings;
};
