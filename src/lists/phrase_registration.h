#pragma once

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
    PhraseRegistration(TalkControls& controls, SharedState& state, TwipLayout& layout,
                       TextPanel& panel, ListPanel& lists, Asker& asker, QObject* parent = nullptr);

    void cmdSampADD_Click();
    void cmdSampDel_Click();
    void cmdStart_Click();

private:
    bool savePhraseBook();

    TalkControls& m_c;
    SharedState& m_state;
    TwipLayout& m_layout;
    TextPanel& m_panel;
    ListPanel& m_lists;
    Asker& m_asker;
};
