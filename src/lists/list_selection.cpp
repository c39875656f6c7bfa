#include "lists/list_selection.h"

#include "platform/beeper.h"
#include "platform/grid.h"
#include "text/text_panel.h"
#include "window/list_grids.h"
#include "window/shared_state.h"
#include "window/talk_controls.h"

ListSelection::ListSelection(const TalkParts& parts, Beeper& beeper)
    : m_p(parts)
    , m_beeper(beeper) {
    for (Grid* grid : {m_p.c.grdAD, m_p.c.grdDay, m_p.c.grdEx, m_p.c.grdMail, m_p.c.grdSp})
        connect(grid, &Grid::clicked, this, [this, grid](int row) { grid_Click(grid, row); });
}

void ListSelection::grid_Click(Grid* grid, int row) {
    if (m_p.state.settings.beep == 1)
        m_beeper.beep();
    list_grids::moveMark(m_p.c, grid, m_p.state.selectedRow, row);
    m_p.panel.focus();
}
