#include "lists/list_selection.h"

#include "app/shared_state.h"
#include "app/talk_controls.h"
#include "lists/list_grids.h"
#include "platform/beeper.h"
#include "platform/grid.h"
#include "text/text_panel.h"

ListSelection::ListSelection(TalkControls& controls, SharedState& state, TextPanel& panel,
                             Beeper& beeper, QObject* parent)
    : QObject(parent)
    , m_c(controls)
    , m_state(state)
    , m_panel(panel)
    , m_beeper(beeper) {
    for (Grid* grid : {m_c.grdAD, m_c.grdDay, m_c.grdEx, m_c.grdMail, m_c.grdSp})
        connect(grid, &Grid::clicked, this, [this, grid](int row) { grid_Click(grid, row); });
}

void ListSelection::grid_Click(Grid* grid, int row) {
    if (m_state.settings.beep == 1)
        m_beeper.beep();
    list_grids::moveMark(m_c, grid, m_state.selectedRow, row);
    m_panel.focus();
}
