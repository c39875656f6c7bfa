#include "platform/busy_pointer.h"

#include <QApplication>
#include <QWidget>

BusyPointer::BusyPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

// A question asked meanwhile may already have restored the normal pointer.
BusyPointer::~BusyPointer() {
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

WindowDisabled::WindowDisabled(QWidget* window)
    : m_window(window) {
    window->setEnabled(false);
}

WindowDisabled::~WindowDisabled() {
    m_window->setEnabled(true);
}
