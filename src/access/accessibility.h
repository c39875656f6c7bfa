#pragma once

#include <QString>

class QWidget;
struct TalkControls;

// The program as assistive technology (screen readers, switch and dwell
// tools, through AT-SPI) sees it: every button, board cell, panel cell and
// list row named, with a "Press" action that does what a tap does.
namespace access {

// Puts the program's own accessible interfaces before Qt's: for the grids,
// their cells and rows, and for the buttons and tappable labels.
void installAccessibility();

// The name a caption is read by: the arrows as words ("→" is "右へ"), every
// other caption as it is.
QString spokenName(const QString& caption);

// Names the main window's text panel and grids.
void nameControls(const TalkControls& c);

// A tap on the widget (a cell of it when row is not -1), once the caller has
// returned to the event loop.
void activateLater(QWidget* widget, int row = -1, int col = -1);

} // namespace access
