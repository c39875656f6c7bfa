#include "lists/phrase_book_reader.h"

#include <QMetaObject>
#include <QObject>

void PhraseBookReader::start(RecordFile& file, QObject* context, std::function<void()> done) {
    m_book = std::async(std::launch::async, [&file, context, done = std::move(done)] {
        PhraseBook book = PhraseBook::read(file);
        // Dropped unread if the context is gone by then.
        QMetaObject::invokeMethod(context, done, Qt::QueuedConnection);
        return book;
    });
}

PhraseBook PhraseBookReader::take() {
    return m_book.get();
}
