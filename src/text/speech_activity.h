#pragma once

#include <QObject>

// Whether a voice is sounding for the program's own reasons: the pause of a
// spoken tap, or a read-aloud. Spans may nest (a tap spoken during the
// read-aloud); activeChanged tells when the first begins and the last ends,
// so that scanning can wait meanwhile.
class SpeechActivity final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool isActive() const { return m_spans > 0; }

    // Marks a span for as long as it lives.
    class Span {
    public:
        explicit Span(SpeechActivity& activity);
        ~Span();
        Span(const Span&) = delete;
        Span& operator=(const Span&) = delete;

    private:
        SpeechActivity& m_activity;
    };

signals:
    void activeChanged(bool active);

private:
    int m_spans = 0;
};
