#pragma once

#include "window/talk_parts.h"

#include <QObject>
#include <QTimer>
#include <functional>

class Clipboard;
class Grid;
class QPushButton;
class TextPanel;
class TextPanelSize;
struct SharedState;
struct TalkControls;

// The buttons that edit the text panel without a keyboard: the five caret
// buttons cmdRes and the list buttons cmdUp/cmdDown, which act once on the
// press and then every 0.23 s while held; cmdWide, cmdCopy and cmdPaste; and
// the press colours of these and of cmdSamp.
class EditButtons final : public QObject {
    Q_OBJECT
public:
    EditButtons(const TalkParts& parts, Clipboard& clipboard);

    static constexpr int kRepeatMilliseconds = 230;

    bool isRepeating() const { return m_repeat.isActive(); }
    // One repetition of the held button, as the repeat timer runs it.
    void repeatStep();

    void cmdRes_MouseDown(int index);
    void cmdRes_MouseUp(int index);
    void cmdUp_MouseDown();
    void cmdUp_MouseUp();
    void cmdDown_MouseDown();
    void cmdDown_MouseUp();
    void cmdWide_Click();
    void cmdCopy_Click();
    void cmdPaste_Click();

private:
    void startRepeat(QPushButton* button, std::function<bool()> step);
    void release();
    bool editKeyStep(int index);
    bool listStep(int delta);

    const TalkParts m_p;
    Clipboard& m_clipboard;
    QTimer m_repeat;
    QPushButton* m_held = nullptr;
    std::function<bool()> m_step;
};
