#pragma once

#include "window/talk_parts.h"

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
    ListSelection(const TalkParts& parts, Beeper& beeper);

private:
    void grid_Click(Grid* grid, int row);

    const TalkParts m_p;
    Beeper& m_beeper;
};
