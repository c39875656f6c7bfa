#pragma once

#include <QWidget>

// A button whose action is hard to undo ("ＢＳ", "始め", "例文削除", "送　　信",
// the confirmation dialog's buttons) says so, so that the ways of selecting
// without a tap ask for a longer, more deliberate selection there.
inline void markHardToUndo(QWidget* widget) {
    widget->setProperty("hardToUndo", true);
}

inline bool isHardToUndo(const QWidget* widget) {
    return widget->property("hardToUndo").toBool();
}
