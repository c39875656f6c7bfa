#pragma once

#include "text/speech_activity.h"

#include <QChar>
#include <QObject>
#include <QString>
#include <QStringList>

class Pause;
struct SharedState;
class VoicePlayer;

// Speaks texts by playing the recording named after them, <text>.wav: the
// user's own in the data folder, else the program's.
// playVoice serves the board taps and obeys the voice mode "OPT3"; speak is
// the unfiltered play of read-aloud, which does its own waiting.
class VoiceOutput final : public QObject {
    Q_OBJECT
public:
    VoiceOutput(VoicePlayer& player, Pause& pause, SharedState& state);

    // How long each character sounds when a text is read one by one.
    static constexpr int kCharacterMilliseconds = 800;

    // Whether voice mode opt3 speaks on an occasion: "S" a tap that opens the
    // selection panel, "E" a tap that enters a character, "1" the first tap of
    // a two-tap mode.
    static bool allows(int opt3, QChar occasion);

    // PlayVoice: when the voice mode allows the occasion, clears stopRead,
    // starts the clip, waits waitSeconds (pending taps and the stop label run
    // meanwhile) and sets stopRead, which ends a read-aloud in progress.
    // Otherwise returns at once and leaves stopRead alone. tapVoiced comes
    // before the clip starts, so that a sentence sounding gives way to it.
    void playVoice(const QString& text, double waitSeconds, QChar occasion);

    // Stops the clip that is sounding and starts the recording of text.
    void speak(const QString& text);

    // The texts the screen can speak next, most likely first: the player
    // keeps their recordings ready.
    void prepare(const QStringList& texts);

    // The recording of text: the user's own when the data folder holds one,
    // else the program's; empty for a text that cannot name a file in a
    // folder (it holds "/" or NUL).
    QString wavPath(const QString& text) const;

    // The user's own recording of a phrase (a trimmed phrase text), when one
    // has been kept; empty otherwise. The sentence voice plays it in place of
    // a made sentence.
    QString phraseWavPath(const QString& phrase) const;
    // Active during playVoice's pause; the read-aloud marks its own span.
    SpeechActivity& activity() { return m_activity; }
    // Plays a WAV file that names no text (a synthesized sentence or a
    // phrase's recording).
    void playFile(const QString& wavPath);
    void stop();

signals:
    void tapVoiced();

private:
    VoicePlayer& m_player;
    Pause& m_pause;
    SharedState& m_state;
    SpeechActivity m_activity;
};
