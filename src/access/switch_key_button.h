#pragma once

#include <QPushButton>

// Shows the key of a switch; pressed, it waits for the next key of the
// keyboard or the switch box (any key, Space, Return and Tab included) and
// takes it.
class SwitchKeyButton final : public QPushButton {
    Q_OBJECT
public:
    explicit SwitchKeyButton(QWidget* parent = nullptr);

    int key() const { return m_key; }
    void setKey(int key);
    bool isListening() const { return m_listening; }

signals:
    void keyChosen(int key);

protected:
    bool event(QEvent* event) override;

private:
    void listen();

    int m_key = 0;
    bool m_listening = false;
};
