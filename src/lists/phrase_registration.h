#pragma once

#include "window/talk_parts.h"

#include <QObject>

class Asker;
class DataFiles;
class ListPanel;
class TextPanel;
class TwipLayout;
struct SharedState;
struct TalkControls;

// "例文追加" registers the composed text as a phrase and shows it in the
// phrase list; "例文削除" deletes the chosen phrase; "始め" starts the
// composition over. The first two store the phrase book at once; a phrase
// that could not be stored leaves the list, the text and the mode as they were.
class PhraseRegistration final : public QObject {
    Q_OBJECT
public:
    PhraseRegistration(const TalkParts& parts, ListPanel& lists, DataFiles& files, Asker& asker);

    void cmdSampADD_Click();
    void cmdSampDel_Click();
    void cmdStart_Click();

private:
    bool savePhraseBook(const QString& title);

    const TalkParts m_p;
    ListPanel& m_lists;
    DataFiles& m_files;
    Asker& m_asker;
};
