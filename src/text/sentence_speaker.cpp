#include "text/sentence_speaker.h"

#include "platform/one_shot_timer.h"
#include "text/voice_output.h"

SentenceSpeaker::SentenceSpeaker(VoiceOutput& voice, SpeechSynthesizer& synthesizer,
                                 OneShotTimer& timer)
    : m_voice(voice)
    , m_synthesizer(synthesizer)
    , m_timer(timer) {
    connect(&m_synthesizer, &SpeechSynthesizer::finished, this, &SentenceSpeaker::synthesized);
    connect(&m_timer, &OneShotTimer::timeout, this, [this] {
        m_sounding = false;
        if (m_active)
            advance();
    });
    // A voiced tap is newer than the sentence: it sounds alone.
    connect(&m_voice, &VoiceOutput::tapVoiced, this, &SentenceSpeaker::stop);
}

SentenceSpeaker::~SentenceSpeaker() {
    if (m_active) {
        m_synthesizer.cancel();
        m_timer.stop();
    }
}

void SentenceSpeaker::speak(const QString& text, Reached reached, Ended ended) {
    stop();
    m_text = text;
    m_pieces = sentencePieces(text);
    m_sounds = QList<std::optional<Sound>>(m_pieces.size());
    m_reached = std::move(reached);
    m_ended = std::move(ended);
    m_active = true;
    m_speaking.emplace(m_voice.activity());
    m_sounding = false;
    m_next = 0;
    m_character = 0;
    if (m_pieces.isEmpty())
        end();
    else
        chooseSound(0);
}

void SentenceSpeaker::stop() {
    if (!m_active)
        return;
    m_synthesizer.cancel();
    m_timer.stop();
    m_voice.stop();
    end();
}

void SentenceSpeaker::prepare(const QString& text) {
    if (!m_sentenceMode || m_active)
        return;
    const QList<TextPiece> pieces = sentencePieces(text);
    const QString first = pieces.isEmpty() ? QString() : text.mid(0, pieces.first().length);
    if (first.isEmpty() || first == m_prepared)
        return;
    m_prepared = first;
    m_synthesizer.synthesize(first);
}

// The one place where the sound of a piece is chosen: the synthesizer makes
// it, and the recordings of its characters stand in when it cannot.
void SentenceSpeaker::chooseSound(int piece) {
    m_making = piece;
    const TextPiece& p = m_pieces[piece];
    m_synthesizer.synthesize(m_text.mid(p.start, p.length));
}

void SentenceSpeaker::synthesized(const SpeechSynthesizer::Result& result) {
    if (!m_active || m_making < 0)
        return;
    Sound sound;
    if (result.outcome == SpeechSynthesizer::Outcome::Made)
        sound = {true, result.wavPath, result.milliseconds};
    const int made = m_making;
    m_making = -1;
    m_sounds[made] = sound;
    if (!m_sounding)
        advance();
    // The next piece is made while this one sounds.
    if (m_active && made + 1 < m_pieces.size())
        chooseSound(made + 1);
}

void SentenceSpeaker::advance() {
    if (m_next >= m_pieces.size()) {
        end();
        return;
    }
    if (!m_sounds[m_next])
        return; // still being made: it sounds when it is ready
    const TextPiece& piece = m_pieces[m_next];
    const Sound& sound = *m_sounds[m_next];
    const bool last = m_next + 1 == m_pieces.size();
    int position = piece.start;
    m_sounding = true;
    if (sound.synthesized) {
        m_voice.playFile(sound.wavPath);
        ++m_next;
        m_timer.start(sound.milliseconds + (last ? 0 : piece.pauseAfterMs));
    } else {
        position += m_character;
        m_voice.speak(m_text.mid(position, 1));
        if (++m_character == piece.length) {
            m_character = 0;
            ++m_next;
        }
        m_timer.start(VoiceOutput::kCharacterMilliseconds);
    }
    if (m_reached)
        m_reached(position);
}

void SentenceSpeaker::end() {
    m_active = false;
    m_speaking.reset();
    m_sounding = false;
    m_making = -1;
    m_reached = nullptr;
    const Ended ended = std::exchange(m_ended, nullptr);
    if (ended)
        ended();
}
