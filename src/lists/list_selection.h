#pragma once

#include <QObject>

class Beeper;
class Grid;
class TextPanel;
struct SharedState;
struct TalkControls;

// A tap on a row of any list grid chooses it: the row is marked with the
// highlight colour, becomes the chosen row, and the focus goes back to the
// text panel so that the next command acts on the chosen row.
class ListSelection final : public QObject {
    Q_OBJECT
public:
    ListSelection(TalkControls& controls, SharedState& state, TextPanel& panel, Beeper& beeper,
                  QObject* parent = nullptr);

private:
    void grid_Click(Grid* grid, int row);

    TalkControls& m_c;
    SharedState& m_state;
    TextPanel& m_panel;
    Beeper& m_beeper;
};
