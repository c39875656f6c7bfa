#include "lists/phrase_book.h"

#include "lists/kana_index.h"
#include "lists/phrase_file.h"
#include "platform/grid_model.h"

PhraseBook PhraseBook::read(RecordFile& file) {
    PhraseBook book;
    book.m_texts = readPhraseTexts(file);
    const std::vector<int> order = phraseListOrder(book.m_texts);
    book.m_listTexts.reserve(book.m_texts.size());
    for (const int index : order)
        book.m_listTexts.append(book.m_texts.at(index));
    book.m_headings = kanaRowHeadings(book.m_listTexts);
    return book;
}

// The rows are made at once and written a column at a time, so that a long
// book costs the grid one allocation and a few change signals.
void PhraseBook::fillList(GridModel& grdEx) const {
    grdEx.setRows(0);
    grdEx.setCols(2);
    grdEx.setRows(int(m_listTexts.size()));
    grdEx.setColumnTexts(1, m_listTexts);
    grdEx.setColumnTexts(0, m_headings);
}
