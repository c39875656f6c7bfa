#pragma once

class Grid;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class TwipLayout;

// The controls of the main window frmTalk, named as in its layout table so
// that code and table read side by side. Each control's object name is its
// name; control arrays are named with their index, as "cmdRes(3)".
struct TalkControls {
    QFrame* fraSet; // the selection panel, hidden
    Grid* grdBoard2;
    QPushButton* cmdEnd2;
    QPushButton* cmdspace;
    QFrame* fraRes; // edit buttons
    QPushButton* cmdRes[5];
    QPushButton* cmdStart;
    QFrame* fraDay; // entry buttons
    QPushButton* cmdRevise;
    QPushButton* cmdBack;
    QFrame* fraTalk; // list buttons
    QPushButton* cmdUp;
    QPushButton* cmdDown;
    QPushButton* cmdDec;
    Grid* grdMail;
    Grid* grdAD;
    Grid* grdSp;
    Grid* grdEx;
    QFrame* fraText;
    QPlainTextEdit* txtTalk;
    QPushButton* cmdWide;
    QPushButton* cmdCopy;
    QPushButton* cmdPaste;
    QPushButton* cmdSamp;
    QPushButton* cmdSampADD;
    Grid* grdDay;
    QPushButton* cmdKey;
    QPushButton* cmdRead;
    QPushButton* cmdEnd;
    QPushButton* cmdOpt;
    Grid* grdBoard;
    QPushButton* cmdSampDel;
    QLabel* txtHide; // carries the text of the next insertion; never shown
};

// Creates every control of the main window at its design place, with its
// caption, colour, font and visibility.
TalkControls buildTalkControls(QWidget* window, TwipLayout& layout);
