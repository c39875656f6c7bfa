#include "text/edit_buttons.h"

#include "window/list_grids.h"

#include "platform/back_color.h"
#include "platform/clipboard.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "text/text_panel.h"
#include "text/text_panel_size.h"
#include "window/shared_state.h"
#include "window/talk_controls.h"

#include <QPushButton>

namespace {
constexpr quint32 kPressed = 0x808080;

void colourOnPress(QPushButton* button, quint32 down, quint32 up) {
    QObject::connect(button, &QPushButton::pressed, button,
                     [button, down] { setBackColor(button, bgrColor(down)); });
    QObject::connect(button, &QPushButton::released, button,
                     [button, up] { setBackColor(button, bgrColor(up)); });
}
} // namespace

EditButtons::EditButtons(const TalkParts& parts, Clipboard& clipboard)
    : m_p(parts)
    , m_clipboard(clipboard) {
    m_repeat.setInterval(kRepeatMilliseconds);
    m_repeat.setTimerType(Qt::PreciseTimer);
    connect(&m_repeat, &QTimer::timeout, this, &EditButtons::repeatStep);

    for (int i = 0; i < 5; ++i) {
        connect(m_p.c.cmdRes[i], &QPushButton::pressed, this, [this, i] { cmdRes_MouseDown(i); });
        connect(m_p.c.cmdRes[i], &QPushButton::released, this, [this, i] { cmdRes_MouseUp(i); });
    }
    connect(m_p.c.cmdUp, &QPushButton::pressed, this, &EditButtons::cmdUp_MouseDown);
    connect(m_p.c.cmdUp, &QPushButton::released, this, &EditButtons::cmdUp_MouseUp);
    connect(m_p.c.cmdDown, &QPushButton::pressed, this, &EditButtons::cmdDown_MouseDown);
    connect(m_p.c.cmdDown, &QPushButton::released, this, &EditButtons::cmdDown_MouseUp);
    connect(m_p.c.cmdWide, &QPushButton::clicked, this, &EditButtons::cmdWide_Click);
    connect(m_p.c.cmdCopy, &QPushButton::clicked, this, &EditButtons::cmdCopy_Click);
    connect(m_p.c.cmdPaste, &QPushButton::clicked, this, &EditButtons::cmdPaste_Click);

    colourOnPress(m_p.c.cmdCopy, kPressed, colors::kWhite);
    colourOnPress(m_p.c.cmdPaste, kPressed, colors::kWhite);
    colourOnPress(m_p.c.cmdSamp, 0xC00000, 0xFFC0C0);
}

void EditButtons::startRepeat(QPushButton* button, std::function<bool()> step) {
    m_p.state.keyHeld = true;
    m_held = button;
    m_step = std::move(step);
    if (m_step())
        m_repeat.start();
    else
        m_repeat.stop();
}

void EditButtons::repeatStep() {
    // A button hidden while held (its frame replaced by another) is never
    // released by the pointer: release it here.
    if (m_held && !m_held->isVisible()) {
        m_held->setDown(false);
        emit m_held->released();
        return;
    }
    if (!m_step || !m_step())
        m_repeat.stop();
}

void EditButtons::release() {
    m_p.state.keyHeld = false;
    m_repeat.stop();
    m_held = nullptr;
    m_step = nullptr;
}

void EditButtons::cmdRes_MouseDown(int index) {
    setBackColor(m_p.c.cmdRes[index], bgrColor(kPressed));
    startRepeat(m_p.c.cmdRes[index], [this, index] { return editKeyStep(index); });
}

// White for all five, whatever their design colour.
void EditButtons::cmdRes_MouseUp(int index) {
    setBackColor(m_p.c.cmdRes[index], bgrColor(colors::kWhite));
    release();
}

void EditButtons::cmdUp_MouseDown() {
    setBackColor(m_p.c.cmdUp, bgrColor(0xC000));
    startRepeat(m_p.c.cmdUp, [this] { return listStep(-1); });
}

void EditButtons::cmdUp_MouseUp() {
    setBackColor(m_p.c.cmdUp, bgrColor(0xC0FFC0));
    release();
}

void EditButtons::cmdDown_MouseDown() {
    setBackColor(m_p.c.cmdDown, bgrColor(0x8000));
    startRepeat(m_p.c.cmdDown, [this] { return listStep(1); });
}

void EditButtons::cmdDown_MouseUp() {
    setBackColor(m_p.c.cmdDown, bgrColor(0x80FF80));
    release();
}

bool EditButtons::editKeyStep(int index) {
    if (!m_p.state.keyHeld || !m_p.panel.isShown())
        return false;
    m_p.panel.focus();
    switch (index) {
    case 0:
        return m_p.panel.stepRight();
    case 1:
        m_p.panel.backspace();
        return false;
    case 2:
        return m_p.panel.stepLeft();
    case 3:
        m_p.panel.lineDown();
        return true;
    case 4:
        m_p.panel.lineUp();
        return true;
    default:
        return false;
    }
}

// Moves the highlighted row one up (delta -1) or down (delta 1). With no
// list on show the button stays held without effect until it is released.
bool EditButtons::listStep(int delta) {
    if (!m_p.state.keyHeld)
        return false;
    if (Grid* grid = list_grids::visibleList(m_p.c)) {
        const int next = m_p.state.selectedRow + delta;
        if (next < 0 || next >= grid->rows())
            return false;
        list_grids::moveMark(m_p.c, grid, m_p.state.selectedRow, next);
        // Up scrolls on every step until the top; down scrolls once the
        // chosen row lies three or more rows below the top row.
        const int top = grid->topRow();
        if (delta < 0 && top > 0)
            grid->setTopRow(top - 1);
        else if (delta > 0 && top + 1 < next - 1)
            grid->setTopRow(top + 1);
    }
    m_p.panel.focus();
    return true;
}

void EditButtons::cmdWide_Click() {
    if (m_p.size.isWide())
        m_p.size.narrow();
    else
        m_p.size.widen();
    m_p.panel.focus();
}

// The whole text, end marker included; the selection plays no part.
void EditButtons::cmdCopy_Click() {
    m_clipboard.clear();
    m_clipboard.setText(m_p.panel.text());
}

// The clipboard's text goes after everything, whatever the caret; the
// clipboard is emptied so that a second press adds nothing.
void EditButtons::cmdPaste_Click() {
    const QString pasted = m_clipboard.text();
    if (!pasted.isEmpty())
        m_p.panel.append(pasted);
    m_clipboard.clear();
}
