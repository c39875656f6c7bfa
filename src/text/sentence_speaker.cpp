#include "text/sentence_speaker.h"

#include "platform/one_shot_timer.h"
#include "platform/spaces.h"
#include "platform/wav_header.h"
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
    m_pieces = piecesOf(text);
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
    const QList<TextPiece> pieces = piecesOf(text);
    const QString first =
        pieces.isEmpty() ? QString() : text.mid(pieces.first().start, pieces.first().length);
    if (first.isEmpty() || first == m_prepared)
        return;
    m_prepared = first;
    if (!phraseRecording(first))
        m_synthesizer.synthesize(first);
}

// A text that is a recorded phrase is spoken in one piece, without the blanks
// at either end, so that its recording plays whole; any other text in the
// pieces a sentence is made in.
QList<TextPiece> SentenceSpeaker::piecesOf(const QString& text) const {
    const QString phrase = trimSpaces(text);
    if (phraseRecording(phrase))
        return {{int(text.indexOf(phrase)), int(phrase.size()), 0}};
    return sentencePieces(text);
}

// The user's own recording of text as a phrase, with its length for pacing.
// A recording whose length cannot be read (a damaged file) is passed over, so
// that the phrase is still said.
std::optional<SentenceSpeaker::Sound> SentenceSpeaker::phraseRecording(const QString& text) const {
    const QString path = m_voice.phraseWavPath(trimSpaces(text));
    if (path.isEmpty())
        return std::nullopt;
    const std::optional<WavHeader> wav = WavHeader::read(path);
    if (!wav)
        return std::nullopt;
    return Sound{path, wav->milliseconds()};
}

// The one place where the sound of a piece is chosen: the phrase's own
// recording where it has one, else the synthesizer makes it, and the
// recordings of its characters stand in when it cannot.
void SentenceSpeaker::chooseSound(int piece) {
    const TextPiece& p = m_pieces[piece];
    const QString text = m_text.mid(p.start, p.length);
    if (const std::optional<Sound> own = phraseRecording(text)) {
        soundChosen(piece, *own);
        return;
    }
    m_making = piece;
    m_synthesizer.synthesize(text);
}

void SentenceSpeaker::synthesized(const SpeechSynthesizer::Result& result) {
    if (!m_active || m_making < 0)
        return;
    Sound sound;
    if (result.outcome == SpeechSynthesizer::Outcome::Made)
        sound = {result.wavPath, result.milliseconds};
    soundChosen(std::exchange(m_making, -1), sound);
}

void SentenceSpeaker::soundChosen(int piece, const Sound& sound) {
    m_sounds[piece] = sound;
    if (!m_sounding)
        advance();
    // The next piece is made while this one sounds.
    if (m_active && piece + 1 < m_pieces.size())
        chooseSound(piece + 1);
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
    if (!sound.wavPath.isEmpty()) {
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
