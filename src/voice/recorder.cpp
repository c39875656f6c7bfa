#include "voice/recorder.h"

#include "platform/audio_input.h"
#include "platform/voice_player.h"
#include "voice/take_files.h"

#include <QFile>

Recorder::Recorder(AudioInput& input, VoicePlayer& player)
    : m_input(input)
    , m_player(player) {
    connect(&m_input, &AudioInput::heard, this, &Recorder::hear);
}

// A page closed while recording leaves the microphone free.
Recorder::~Recorder() {
    if (m_recording)
        m_input.stop();
}

bool Recorder::hasMicrophone() const {
    return m_input.available();
}

bool Recorder::start() {
    discard();
    m_heard.clear();
    m_recording = m_input.start();
    return m_recording;
}

void Recorder::hear(const QList<qint16>& samples) {
    if (!m_recording)
        return;
    m_heard += samples;
    emit levelChanged(Take::level(samples));
}

Take::Verdict Recorder::stop() {
    m_input.stop();
    m_recording = false;
    emit levelChanged(0);
    Take take = Take(std::move(m_heard), m_input.sampleRate()).trimmed();
    m_heard = {};
    const Take::Verdict verdict = take.verdict();
    if (verdict != Take::Verdict::Good)
        return verdict;
    m_take = std::move(take);
    // Each take gets a file name of its own, so that the player never serves
    // an earlier take it still holds under the same name. Without that file
    // the take cannot be heard back but can still be kept.
    m_takePath = m_previews.filePath(QStringLiteral("take-%1.wav").arg(++m_takes));
    QFile file(m_takePath);
    const QByteArray wav = m_take.wav();
    if (!file.open(QIODevice::WriteOnly) || file.write(wav) != wav.size())
        m_takePath.clear();
    return verdict;
}

void Recorder::playTake() {
    if (!m_takePath.isEmpty())
        m_player.play(m_takePath);
}

bool Recorder::keep(const QString& path) {
    if (!hasTake() || !take_files::keep(path, m_take.wav()))
        return false;
    discard();
    return true;
}

void Recorder::discard() {
    if (!hasTake())
        return;
    m_player.stop();
    if (!m_takePath.isEmpty())
        QFile::remove(m_takePath);
    m_takePath.clear();
    m_take = Take();
}
