#pragma once

class QWidget;
class TextPanel;
class TextPanelSize;
class TwipLayout;
struct SharedState;
struct TalkControls;

// The parts of the main window that its subsystems work on: the window, its
// controls, the shared values, the layout in twips and the text panel.
struct TalkParts {
    QWidget* window;
    TalkControls& c;
    SharedState& state;
    TwipLayout& layout;
    TextPanel& panel;
    TextPanelSize& size;
};
