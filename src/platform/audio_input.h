#pragma once

#include <QList>
#include <QObject>

// The microphone: mono 16-bit samples at sampleRate(), handed on in pieces as
// they arrive while it is started.
class AudioInput : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // False when the machine has no microphone at all.
    virtual bool available() const = 0;
    // Starts hearing; false when the microphone could not be opened.
    virtual bool start() = 0;
    // Stops hearing, after handing on what was heard up to now.
    virtual void stop() = 0;
    virtual int sampleRate() const = 0;

signals:
    void heard(const QList<qint16>& samples);
};
