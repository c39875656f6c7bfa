#pragma once

#include <QWidget>

// A label that acts when it is tapped (the stop panel's label, the mail
// window's name, address and subject) says so, so that every way of
// selecting - switch scanning, dwell, assistive technology - finds it as a
// target beside the buttons and grid cells.
inline void markTappable(QWidget* widget) {
    widget->setProperty("tappable", true);
}

inline bool isTappable(const QWidget* widget) {
    return widget->property("tappable").toBool();
}
