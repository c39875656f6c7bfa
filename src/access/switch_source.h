#pragma once

#include <QObject>

// Where switch presses come from: an application-wide event filter that
// turns some input into presses and releases of switch 1 or 2. It filters
// for as long as it lives.
class SwitchSource : public QObject {
    Q_OBJECT
public:
    explicit SwitchSource(QObject* parent = nullptr);
    ~SwitchSource() override;

signals:
    void pressed(int switchNumber);
    void released(int switchNumber);
};
