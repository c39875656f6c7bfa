#include "text/voice_output.h"

#include "platform/pause.h"
#include "platform/voice_player.h"
#include "text/recording_names.h"
#include "window/shared_state.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

VoiceOutput::VoiceOutput(VoicePlayer& player, Pause& pause, SharedState& state)
    : m_player(player)
    , m_pause(pause)
    , m_state(state) {}

bool VoiceOutput::allows(int opt3, QChar occasion) {
    switch (opt3) {
    case 1:
        return occasion == QLatin1Char('E') || occasion == QLatin1Char('S');
    case 2:
        return occasion == QLatin1Char('E');
    case 3:
        return false;
    default:
        return true;
    }
}

void VoiceOutput::playVoice(const QString& text, double waitSeconds, QChar occasion) {
    if (!allows(m_state.settings.opt3, occasion))
        return;
    m_state.stopRead = false;
    const SpeechActivity::Span speaking(m_activity);
    emit tapVoiced();
    speak(text);
    m_pause.wait(std::max(0, int(std::lround(waitSeconds * 1000))));
    m_state.stopRead = true;
}

void VoiceOutput::speak(const QString& text) {
    const QString path = wavPath(text);
    if (path.isEmpty())
        m_player.stop();
    else
        m_player.play(path);
}

void VoiceOutput::prepare(const QStringList& texts) {
    QStringList paths;
    for (const QString& text : texts) {
        const QString path = wavPath(text);
        if (!path.isEmpty() && !paths.contains(path))
            paths.append(path);
    }
    m_player.prepare(paths);
}

void VoiceOutput::playFile(const QString& wavPath) {
    m_player.play(wavPath);
}

void VoiceOutput::stop() {
    m_player.stop();
}

QString VoiceOutput::wavPath(const QString& text) const {
    const QString own = recording_names::characterPath(m_state.appDir, text);
    if (own.isEmpty() || m_state.programDir.isEmpty() || m_state.programDir == m_state.appDir ||
        QFileInfo::exists(own))
        return own;
    return recording_names::characterPath(m_state.programDir, text);
}

QString VoiceOutput::phraseWavPath(const QString& phrase) const {
    const QString path = recording_names::phrasePath(m_state.appDir, phrase);
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}
