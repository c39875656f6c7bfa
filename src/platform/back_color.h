#pragma once

#include <QColor>

class QWidget;

// Gives a control its back colour: a caption button draws it itself, other
// buttons take it through a style sheet (so that a button shows its colour,
// with a sunken border while pressed), labels (with black text), frames and
// windows through their palette. The colour can be read back.
void setBackColor(QWidget* widget, const QColor& color);
QColor backColor(const QWidget* widget);
