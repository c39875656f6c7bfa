#pragma once

#include "lists/phrase_book.h"

#include <functional>
#include <future>

class QObject;

// Reads a phrase book on a thread of its own, so that the window can show
// while a long book is still being read. When the book is read, done runs on
// the context object's thread; take() waits for the book if need be. The
// file belongs to the reading until it is taken: nothing else may use it
// meanwhile.
class PhraseBookReader {
public:
    void start(RecordFile& file, QObject* context, std::function<void()> done);
    // Started and not yet taken.
    bool isReading() const { return m_book.valid(); }
    PhraseBook take();

private:
    std::future<PhraseBook> m_book;
};
