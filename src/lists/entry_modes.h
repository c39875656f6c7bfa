#pragma once

#include "window/talk_parts.h"

#include <QObject>
#include <functional>

class Asker;
class Clock;
class DataFiles;
class Grid;
class GridModel;
class QWidget;
class TextPanel;
class TextPanelSize;
class TwipLayout;
class UrlLauncher;
struct SharedState;
struct TalkControls;

// The diary, address and mail modes: the lists opened from the phrase list's
// command rows, an entry opened into the text panel ("決定"), edited with the
// board ("修正する"), and stored back when the mode is left through cmdSamp
// after a question. From an opened address the mails follow; an opened mail
// goes to the mail window.
class EntryModes final : public QObject {
    Q_OBJECT
public:
    EntryModes(const TalkParts& parts, DataFiles& files, Asker& asker, Clock& clock,
               UrlLauncher& launcher);

    // The command rows of the phrase list.
    void openDiaryList();
    void openAddressList();
    // "決定" with the diary, address or mail list on show.
    void openEntry(Grid* list);
    // cmdSamp with the caption "日記終了", "ﾒﾙｱﾄﾞ終了" or "ﾒｰﾙ終了".
    void leaveMode(const QString& caption);

    void cmdRevise_Click();
    void cmdBack_Click();

private:
    void showList(Grid* grid, int firstColumnTwips, int spareTwips, int firstPaintedCol,
                  const std::function<int(GridModel&)>& fill);
    void loadDiary();
    void loadAddresses();
    void loadMails();
    void showAddressList();
    void showMailList();
    void takeAddress();
    void showMailWindow();
    bool confirm(const QString& message, const QString& title);
    void noticeNoSeparator();

    const TalkParts m_p;
    DataFiles& m_files;
    Asker& m_asker;
    Clock& m_clock;
    UrlLauncher& m_launcher;
};
