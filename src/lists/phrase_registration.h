#pragma once

#include "window/talk_parts.h"

#include <QObject>

class Asker;
class ListPanel;
class TextPanel;
class TwipLayout;
struct SharedState;
struct TalkControls;

// "例文追加" registers the composed text as a phrase and shows it in the
// phrase list; "例文削除" deletes the chosen phrase; "始め" starts the
// composition over. The first two store the phrase book at once.
class PhraseRegistration final : public QObject {
    Q_OBJECT
public:
    PhraseRegistration(const TalkParts& parts, ListPanel& lists, Asker& asker);

    void cmdSampADD_Click();
    void cmdSampDel_Click();
    void cmdStart_Click();

private:
    bool savePhraseBook();

    const TalkParts m_p;
    ListPanel& m_lists;
    Asker& m_asker;
};
