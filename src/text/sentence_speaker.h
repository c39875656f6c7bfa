#pragma once

#include "platform/speech_synthesizer.h"
#include "text/sentence_pieces.h"
#include "text/speech_activity.h"

#include <QList>
#include <QObject>
#include <functional>
#include <optional>

class OneShotTimer;
class VoiceOutput;

// Speaks a text as whole sentences ("文で読む"): piece by piece from the
// synthesizer, each piece made while the one before it sounds, so that the
// first sound comes soon and the user interface never waits. A phrase the user
// has recorded is the user's own voice and comes first: a text that is such a
// phrase (blanks at either end aside) is one piece played whole from its
// recording, and so is any piece of a longer text that is one. A piece the
// synthesizer cannot make (it is missing, fails, takes too long or has no
// sound for it) is read from the recordings character by character instead,
// so the text is never left unsaid. One text at a time, and the newest sound
// wins: a new text, stop(), and a tap that is voiced end what is sounding.
class SentenceSpeaker final : public QObject {
    Q_OBJECT
public:
    // position: where in the text the sound that has just started begins.
    using Reached = std::function<void(int position)>;
    using Ended = std::function<void()>;

    SentenceSpeaker(VoiceOutput& voice, SpeechSynthesizer& synthesizer, OneShotTimer& timer);
    ~SentenceSpeaker() override;

    // Whether "読む" and a chosen phrase speak whole sentences.
    void setSentenceMode(bool on) { m_sentenceMode = on; }
    bool sentenceMode() const { return m_sentenceMode; }

    // Starts speaking text and returns at once. reached follows each piece
    // or character as it starts; ended comes once, when the text has been
    // spoken or has been stopped (also from within this call for an empty
    // text).
    void speak(const QString& text, Reached reached = {}, Ended ended = {});
    // Silences the text at once.
    void stop();
    // Has the first piece of a text that may soon be spoken made ahead, while
    // nothing is spoken, so that it sounds at once when it is.
    void prepare(const QString& text);
    bool speaking() const { return m_active; }

private:
    // How a piece sounds: a WAV file played whole (a made sentence or the
    // phrase's own recording), or, without one, its characters' recordings.
    struct Sound {
        QString wavPath;
        int milliseconds = 0;
    };

    QList<TextPiece> piecesOf(const QString& text) const;
    std::optional<Sound> phraseRecording(const QString& text) const;
    void chooseSound(int piece);
    void synthesized(const SpeechSynthesizer::Result& result);
    void soundChosen(int piece, const Sound& sound);
    void advance();
    void end();

    VoiceOutput& m_voice;
    SpeechSynthesizer& m_synthesizer;
    OneShotTimer& m_timer;
    bool m_sentenceMode = false;

    QString m_text;
    QList<TextPiece> m_pieces;
    QList<std::optional<Sound>> m_sounds;
    bool m_active = false;
    std::optional<SpeechActivity::Span> m_speaking; // scanning waits meanwhile
    bool m_sounding = false;
    int m_making = -1; // the piece the synthesizer is making
    int m_next = 0;    // the next piece to sound
    int m_character = 0;
    Reached m_reached;
    Ended m_ended;
    QString m_prepared;
};
