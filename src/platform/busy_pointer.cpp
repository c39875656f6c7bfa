#include "platform/busy_pointer.h"

#include <QApplication>

BusyPointer::BusyPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

// A question asked meanwhile may already have restored the normal pointer.
BusyPointer::~BusyPointer() {
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}
