#pragma once

#include <QStringList>

class GridModel;
class RecordFile;

// The phrase book as the candidates and the phrase list use it: its texts in
// file order (phraseTexts), and the list's rows sorted and headed, as
// LoadPhraseFile and FillPhraseIndex leave them. Reading it needs no widget,
// so any thread can do it.
class PhraseBook {
public:
    // Reads the file; what the read found (unreadable, the bytes of the
    // records) stays with the file for its next save.
    static PhraseBook read(RecordFile& file);

    const QStringList& texts() const { return m_texts; }
    // Replaces grdEx with the list: two columns, the headings and the texts.
    void fillList(GridModel& grdEx) const;

private:
    QStringList m_texts;
    QStringList m_listTexts;
    QStringList m_headings;
};
