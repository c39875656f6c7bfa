#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

class QEvent;

// What a user can select on any window of the program: a button, a cell of a
// grid (the board, the selection panel, a list), a label that acts on a tap,
// and in the dialogs a drop-down list, its items, and the tabs of a page. Every way of selecting
// (touch and mouse, switch scanning, dwell, assistive technology) ends in the same press and
// release that a tap makes, so each target behaves alike whichever way it is selected.
namespace access {

struct Target {
    QPointer<QWidget> widget; // the button, the label, the grid or list, the tab bar
    int row = -1;             // the cell, for a grid or list; the tab, for a tab bar
    int col = -1;

    bool isValid() const { return !widget.isNull(); }
    bool isCell() const { return row >= 0; }
    friend bool operator==(const Target& a, const Target& b) {
        return a.widget == b.widget && a.row == b.row && a.col == b.col;
    }
    friend bool operator!=(const Target& a, const Target& b) { return !(a == b); }
};

// The target that a tap at this point of the screen would select: none where
// nothing would act (a frame, the text panel, below a list's last row, a
// disabled or hidden control, a window behind a modal dialog or beside an
// open drop-down list).
Target targetAt(const QPoint& globalPos);
Target targetAt(QWidget* widget, const QPoint& localPos);

// The target's rectangle on the screen, and the widget that shows it (a
// grid's viewport for a cell).
QRect globalRect(const Target& target);
QWidget* surface(const Target& target);

// A tap on the target: the pointer moving onto it, a press and a release at
// its centre (on a check box or an option button, the centre of its box and
// caption). press and release alone serve a button that repeats while it is
// held.
void activate(const Target& target);
void press(const Target& target);
void release(const Target& target);

// True for the press and release that the functions above deliver, so that
// the filters in front of the targets let them through.
bool isActivation(const QEvent* event);

} // namespace access
