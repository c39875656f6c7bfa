#pragma once

#include <QObject>
#include <QString>

// Makes the sound of a sentence as a WAV file, in the background:
// synthesize() returns at once and finished() follows later on the event loop,
// never from within synthesize(). One sentence at a time: a request for
// another text, or cancel(), drops the one under way, whose result is never
// reported; a request for the text under way lets it go on.
class SpeechSynthesizer : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Made,      // wavPath holds the sentence, milliseconds long
        Unsayable, // the voice has no sound for this text (signs only, say)
        Failed     // the synthesizer could not serve; unavailableReason() says why
    };
    struct Result {
        Outcome outcome = Outcome::Failed;
        QString wavPath;
        int milliseconds = 0;
    };

    using QObject::QObject;

    // The voice file and the speaking speed (1.0 normal, larger is faster)
    // of the sentences requested from now on.
    virtual void setVoice(const QString& voiceFile, double speed) = 0;
    virtual void synthesize(const QString& text) = 0;
    virtual void cancel() = 0;
    // Why sentences cannot be spoken, in words for the user; empty while
    // they can (as far as is known before the next request).
    virtual QString unavailableReason() const = 0;

signals:
    void finished(const SpeechSynthesizer::Result& result);
};
