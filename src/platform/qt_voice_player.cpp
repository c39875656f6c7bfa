#include "platform/qt_voice_player.h"

#include <QFileInfo>
#include <QUrl>

void QtVoicePlayer::play(const QString& wavPath) {
    m_effect.stop();
    if (!QFileInfo::exists(wavPath)) {
        m_effect.setSource(QUrl());
        return;
    }
    m_effect.setSource(QUrl::fromLocalFile(wavPath));
    m_effect.play();
}

void QtVoicePlayer::stop() {
    m_effect.stop();
}
