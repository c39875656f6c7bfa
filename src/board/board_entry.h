#pragma once

#include "window/talk_parts.h"

#include <QObject>

class Beeper;
class TextPanel;
class TwipLayout;
class VoiceOutput;
struct SharedState;
struct TalkControls;

// Turns taps into text. A tap on the board enters its character at once or
// opens the 3 x 3 selection panel with the character's neighbours and its
// small, voiced and semi-voiced forms; "OPT1" and "OPT2" decide whether one
// tap or two taps on the same text are needed. Every tap can be spoken, and
// every entry is announced so that the matching phrases can be offered.
class BoardEntry final : public QObject {
    Q_OBJECT
public:
    BoardEntry(const TalkParts& parts, VoiceOutput& voice, Beeper& beeper);

    // The cell of the last press on the board and on the panel.
    int boardRow = 0;
    int boardCol = 0;
    int panelRow = 0;
    int panelCol = 0;
    // The text of the last panel cell tapped.
    QString lastPanelText;

    void grdBoard_MouseDown(int row, int col);
    void grdBoard_Click();
    void grdBoard2_MouseDown(int row, int col);
    void grdBoard2_Click();
    void cmdspace_Click();
    void cmdEnd2_Click();

    // Has the recordings of the board's cells, and of the selection panel's
    // while it is open, kept ready to play.
    void prepareVoices();

signals:
    // A character was entered by a tap (not by "スペース"); text is the whole
    // text of the panel, for the phrase candidates.
    void entered(const QString& text);

private:
    void openPanel();
    void fillSelectionPanel(int col, int row);
    // InsertAtCaret of the text carried by txtHide.
    void enter(const QString& text);
    void beepIfOn();
    void focusWithBlock();

    const TalkParts m_p;
    VoiceOutput& m_voice;
    Beeper& m_beeper;
};
