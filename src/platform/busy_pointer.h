#pragma once

// Shows the busy mouse pointer for as long as it lives.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

class QWidget;

// Keeps a window disabled (no input reaches it) for as long as it lives.
class WindowDisabled {
public:
    explicit WindowDisabled(QWidget* window);
    ~WindowDisabled();
    WindowDisabled(const WindowDisabled&) = delete;
    WindowDisabled& operator=(const WindowDisabled&) = delete;

private:
    QWidget* m_window;
};
