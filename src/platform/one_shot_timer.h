#pragma once

#include <QObject>

// A timer that fires once: start() arms it anew, stop() disarms it, and
// timeout() comes on the event loop when the time has passed. Replaceable in
// tests, where a fake fires when the test says so.
class OneShotTimer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;

signals:
    void timeout();
};
