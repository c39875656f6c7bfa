#include "board/board_entry.h"

#include "board/selection_panel.h"
#include "platform/beeper.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/twip_layout.h"
#include "text/text_panel.h"
#include "text/voice_output.h"
#include "window/shared_state.h"
#include "window/talk_controls.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
// Every tap's voice is followed by this pause, so that the next tap does not
// cut it short.
constexpr double kVoiceWaitSeconds = 0.5;
constexpr int kPanelColumnTwips = 5250;
const QChar kOpened = QLatin1Char('S');
const QChar kEntered = QLatin1Char('E');
const QChar kFirstOfTwo = QLatin1Char('1');

// An empty board cell speaks and enters a full-width space.
QString spokenText(const QString& cellText) {
    return cellText.isEmpty() ? QStringLiteral("　") : cellText;
}

// A press marks its cell alone: silver when it repeats the text of the last
// tap, else the highlight; every other cell white.
void markPress(Grid* grid, int row, int col, const QString& lastText) {
    GridModel& cells = grid->cells();
    const DrawingSuspended suspended(grid);
    cells.paintAll(bgrColor(colors::kWhite));
    cells.setColor(
        row, col,
        bgrColor(cells.text(row, col) == lastText ? colors::kSilver : colors::kHighlight));
}
} // namespace

BoardEntry::BoardEntry(const TalkParts& parts, VoiceOutput& voice, Beeper& beeper)
    : m_p(parts)
    , m_voice(voice)
    , m_beeper(beeper) {
    connect(m_p.c.grdBoard, &Grid::pressed, this, &BoardEntry::grdBoard_MouseDown);
    connect(m_p.c.grdBoard, &Grid::clicked, this, &BoardEntry::grdBoard_Click);
    connect(m_p.c.grdBoard2, &Grid::pressed, this, &BoardEntry::grdBoard2_MouseDown);
    connect(m_p.c.grdBoard2, &Grid::clicked, this, &BoardEntry::grdBoard2_Click);
    connect(m_p.c.cmdspace, &QPushButton::clicked, this, &BoardEntry::cmdspace_Click);
    connect(m_p.c.cmdEnd2, &QPushButton::clicked, this, &BoardEntry::cmdEnd2_Click);
}

void BoardEntry::grdBoard_MouseDown(int row, int col) {
    boardRow = row;
    boardCol = col;
    markPress(m_p.c.grdBoard, row, col, m_p.state.selectedText);
}

// The board takes no taps until this one is done, the voice's pause included.
void BoardEntry::grdBoard_Click() {
    Grid* board = m_p.c.grdBoard;
    board->setEnabled(false);
    const QString cellText = board->text(boardRow, boardCol);
    const QString t = spokenText(cellText);
    beepIfOn();
    const bool secondTap = cellText == m_p.state.selectedText;
    switch (m_p.state.settings.opt1) {
    case 0:
        board->cells().setColor(boardRow, boardCol, bgrColor(colors::kDesktop));
        m_voice.playVoice(t, kVoiceWaitSeconds, kOpened);
        openPanel();
        break;
    case 1:
        if (secondTap) {
            m_voice.playVoice(t, kVoiceWaitSeconds, kOpened);
            openPanel();
        } else {
            m_p.state.selectedText = t;
            m_voice.playVoice(t, kVoiceWaitSeconds, kFirstOfTwo);
        }
        break;
    case 2:
        board->cells().setColor(boardRow, boardCol, bgrColor(colors::kDesktop));
        enter(t);
        m_voice.playVoice(t, kVoiceWaitSeconds, kEntered);
        emit entered(m_p.panel.text());
        break;
    case 3:
        if (secondTap) {
            enter(t);
            m_voice.playVoice(t, kVoiceWaitSeconds, kEntered);
            emit entered(m_p.panel.text());
        } else {
            m_p.state.selectedText = t;
            m_voice.playVoice(t, kVoiceWaitSeconds, kFirstOfTwo);
        }
        break;
    default:
        break;
    }
    board->setEnabled(true);
    m_p.panel.focus();
    if (!m_p.c.fraSet->isVisible() && m_p.panel.selLength() == 0)
        m_p.panel.selectBlock();
}

// The panel covers the board and every control below the text panel.
void BoardEntry::openPanel() {
    fillSelectionPanel(boardCol, boardRow);
    const TwipRect board = m_p.layout.rect(m_p.c.grdBoard);
    TwipRect panel = m_p.layout.rect(m_p.c.fraSet);
    panel.left = board.left;
    panel.top = board.top;
    m_p.layout.place(m_p.c.fraSet, panel);
    m_p.c.fraSet->show();
    prepareVoices();
}

void BoardEntry::prepareVoices() {
    QStringList texts;
    const Grid* board = m_p.c.grdBoard;
    for (int row = 0; row < board->rows(); ++row)
        for (int col = 0; col < board->cols(); ++col)
            texts.append(spokenText(board->text(row, col)));
    // An empty panel cell speaks nothing.
    const Grid* panel = m_p.c.grdBoard2;
    if (m_p.c.fraSet->isVisible())
        for (int row = 0; row < panel->rows(); ++row)
            for (int col = 0; col < panel->cols(); ++col)
                if (!panel->text(row, col).isEmpty())
                    texts.append(panel->text(row, col));
    m_voice.prepare(texts);
}

void BoardEntry::fillSelectionPanel(int col, int row) {
    Grid* panel = m_p.c.grdBoard2;
    const DrawingSuspended suspended(panel);
    panel->setRows(3);
    panel->setCols(3);
    const std::array<QStringList, 3> texts =
        board::selectionPanelTexts(m_p.c.grdBoard->cells(), col, row, m_p.state.settings.gMaxC);
    panel->cells().setAllTexts({texts[0], texts[1], texts[2]});
    for (int c = 0; c < 3; ++c)
        panel->setColumnWidthTwips(c, kPanelColumnTwips);
    panel->cells().paintAll(bgrColor(colors::kWhite));
}

void BoardEntry::grdBoard2_MouseDown(int row, int col) {
    panelRow = row;
    panelCol = col;
    markPress(m_p.c.grdBoard2, row, col, lastPanelText);
}

void BoardEntry::grdBoard2_Click() {
    Grid* panel = m_p.c.grdBoard2;
    panel->setEnabled(false);
    beepIfOn();
    const QString p = panel->text(panelRow, panelCol);
    if (!p.isEmpty()) {
        const bool enters =
            m_p.state.settings.opt2 == 0 || (m_p.state.settings.opt2 == 1 && p == lastPanelText);
        if (m_p.state.settings.opt2 == 1 && !enters) {
            lastPanelText = p;
            m_voice.playVoice(p, kVoiceWaitSeconds, kFirstOfTwo);
        } else if (enters) {
            lastPanelText = p;
            m_p.c.fraSet->hide();
            enter(p);
            m_voice.playVoice(p, kVoiceWaitSeconds, kEntered);
            emit entered(m_p.panel.text());
        }
        focusWithBlock();
    }
    panel->setEnabled(true);
}

// "スペース": a half-width space on the letters board, a full-width one on the
// kana boards. The panel stays open; nothing is spoken or offered.
void BoardEntry::cmdspace_Click() {
    beepIfOn();
    enter(m_p.c.cmdKey->text() == QStringLiteral("英数") ? QStringLiteral(" ")
                                                         : QStringLiteral("　"));
}

void BoardEntry::cmdEnd2_Click() {
    beepIfOn();
    m_p.panel.focus();
    m_p.c.fraSet->hide();
}

void BoardEntry::enter(const QString& text) {
    m_p.c.txtHide->setText(text);
    m_p.panel.insertAtCaret(m_p.c.txtHide->text());
}

void BoardEntry::beepIfOn() {
    if (m_p.state.settings.beep == 1)
        m_beeper.beep();
}

void BoardEntry::focusWithBlock() {
    m_p.panel.focus();
    if (m_p.panel.selLength() == 0)
        m_p.panel.selectBlock();
}
