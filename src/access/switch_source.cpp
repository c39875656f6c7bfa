#include "access/switch_source.h"

#include <QCoreApplication>

SwitchSource::SwitchSource(QObject* parent)
    : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

SwitchSource::~SwitchSource() {
    QCoreApplication::instance()->removeEventFilter(this);
}
