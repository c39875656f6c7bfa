#pragma once

#include "lists/phrase_book.h"

#include <functional>
#include <future>

class QObject;

// Reads a phrase book on a thread of its own, so that the window can show
// while a long book is still being read. When the book is read, done runs on
// the context object's thread; take() waits for the book if need be.
class PhraseBookReader {
public:
    void start(const QString& path, QObject* context, std::function<void()> done);
    // Started and not yet taken.
    bool isReading() const { return m_book.valid(); }
    PhraseBook take();

private:
    std::future<PhraseBook> m_book;
};
