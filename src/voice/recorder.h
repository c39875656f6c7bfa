#pragma once

#include "voice/take.h"

#include <QObject>
#include <QTemporaryDir>

class AudioInput;
class VoicePlayer;

// The recorder's steps, apart from its page: "録音" starts hearing, "停止"
// ends the take, trims its silence and judges it; a good take can be heard
// back (from a file of its own in a temporary folder), kept under the
// recording's path, or discarded.
class Recorder final : public QObject {
    Q_OBJECT
public:
    Recorder(AudioInput& input, VoicePlayer& player);
    ~Recorder() override;

    bool hasMicrophone() const;
    bool isRecording() const { return m_recording; }
    // A good take waits to be kept or discarded.
    bool hasTake() const { return !m_take.samples().isEmpty(); }

    // False when the microphone could not be started.
    bool start();
    // Ends the take. A good one is ready to be heard and kept at once; a
    // silent or too short one is dropped.
    Take::Verdict stop();
    void playTake();
    // Stores the take at path, the former recording becoming its backup.
    bool keep(const QString& path);
    void discard();

signals:
    // The level meter's reading (0 to 100) of what the microphone hears.
    void levelChanged(int level);

private:
    void hear(const QList<qint16>& samples);

    AudioInput& m_input;
    VoicePlayer& m_player;
    bool m_recording = false;
    QList<qint16> m_heard;
    Take m_take;
    QTemporaryDir m_previews;
    QString m_takePath;
    int m_takes = 0;
};
