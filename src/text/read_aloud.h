#pragma once

#include "text/speech_activity.h"
#include "window/talk_parts.h"

#include <QObject>
#include <QPointer>
#include <optional>

class Beeper;
class Pause;
class ReadStopPanel;
class SentenceSpeaker;
class TextPanel;
class TextPanelSize;
class TwipLayout;
class VoiceOutput;
struct SharedState;
struct TalkControls;

// The read-aloud command cmdRead: speaks the whole text one character at a
// time, 0.8 s apart, moving the block along, on the wide panel and with the
// stop panel frmRead above everything. Other input is handled during each
// pause; a tap on the stop panel, or any spoken tap, ends reading after the
// character that is sounding. It always speaks, whatever the voice option.
// In sentence mode the text is spoken whole instead, without waiting on the
// synthesizer: the stop panel silences it at once, and reading ends, as in
// character mode, with the block on the end marker. Its first piece is made
// while the text is written, so that "読む" sounds at once.
class ReadAloud final : public QObject {
    Q_OBJECT
public:
    ReadAloud(const TalkParts& parts, VoiceOutput& voice, SentenceSpeaker& sentences, Pause& pause,
              Beeper& beeper);

    void cmdRead_Click();

private:
    void showStopPanel();
    void readCharacters();
    void readSentences();
    QString spokenText() const;
    void finish();

    const TalkParts m_p;
    VoiceOutput& m_voice;
    SentenceSpeaker& m_sentences;
    Pause& m_pause;
    Beeper& m_beeper;
    QPointer<ReadStopPanel> m_stopPanel;
    std::optional<SpeechActivity::Span> m_reading;
};
