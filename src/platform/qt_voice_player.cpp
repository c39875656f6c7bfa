#include "platform/qt_voice_player.h"

#include <QFileInfo>
#include <QUrl>

void QtVoicePlayer::play(const QString& wavPath) {
    m_effect.stop();
    // Dropping the source first makes a repeat of the same file load afresh
    // and start from its beginning rather than carry on where it stopped.
    m_effect.setSource(QUrl());
    if (wavPath.isEmpty() || !QFileInfo(wavPath).isFile())
        return;
    m_effect.setSource(QUrl::fromLocalFile(wavPath));
    // Starts once the clip is loaded, which happens in the background.
    m_effect.play();
}

void QtVoicePlayer::stop() {
    m_effect.stop();
}
