#pragma once

#include "app/services.h"
#include "platform/data_location.h"
#include "window/shared_state.h"
#include "window/talk_controls.h"

#include <QWidget>
#include <memory>

class BoardEntry;
class ScanController;
class DataFiles;
class EditButtons;
class ExtendedOptionsDialog;
class EntryModes;
class ListPanel;
class ListSelection;
class PhraseRegistration;
class PointerFilter;
class QtAccessClock;
class ReadAloud;
class SentenceSpeaker;
class TextPanel;
class TextPanelSize;
class TwipLayout;
class VoiceOutput;

// frmTalk: the main window. Builds its controls from the layout table, runs
// the start-up sequence, and handles the window-level buttons (board set,
// options, end). The subsystems act on its controls and shared state.
class TalkWindow final : public QWidget {
    Q_OBJECT
public:
    TalkWindow(Services& services, const DataLocation& location, QWidget* parent = nullptr);
    ~TalkWindow() override;

    TalkControls& controls() { return m_c; }
    SharedState& state() { return m_state; }
    TwipLayout& layout() { return *m_layout; }
    TextPanel& textPanel() { return *m_textPanel; }
    TextPanelSize& textPanelSize() { return *m_textPanelSize; }
    EditButtons& editButtons() { return *m_editButtons; }
    ReadAloud& readAloud() { return *m_readAloud; }
    BoardEntry& boardEntry() { return *m_boardEntry; }
    ListPanel& listPanel() { return *m_listPanel; }
    VoiceOutput& voice() { return *m_voice; }
    // Switch scanning, while it is on.
    ScanController* scan() { return m_scan.get(); }
    // The dwell and touch filters; none while they have never been on.
    PointerFilter* pointerFilter() { return m_pointer.get(); }
    SentenceSpeaker& sentences() { return *m_sentences; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectSubsystems();
    void startUp();
    void applyTextSize();
    void setBoard();
    void applyPointerSettings();
    void cmdKey_Click();
    void cmdOpt_Click();
    void openExtendedOptions(QWidget* parent);
    void addBackupPage(ExtendedOptionsDialog& dialog);
    void reloadData();
    void syncOptions();
    void applyScanSettings();
    QtAccessClock& accessClock();
    void applyVoiceSettings();
    void cmdEnd_Click();

    Services& m_services;
    SharedState m_state;
    std::unique_ptr<DataFiles> m_files;
    TwipLayout* m_layout;
    TalkControls m_c;
    std::unique_ptr<TextPanel> m_textPanel;
    std::unique_ptr<TextPanelSize> m_textPanelSize;
    std::unique_ptr<EditButtons> m_editButtons;
    std::unique_ptr<VoiceOutput> m_voice;
    std::unique_ptr<SentenceSpeaker> m_sentences;
    std::unique_ptr<ReadAloud> m_readAloud;
    std::unique_ptr<EntryModes> m_entryModes;
    std::unique_ptr<ListPanel> m_listPanel;
    std::unique_ptr<PhraseRegistration> m_registration;
    std::unique_ptr<ListSelection> m_listSelection;
    std::unique_ptr<BoardEntry> m_boardEntry;
    // The clock of scanning, dwell and the touch filters, made when the
    // first of them is turned on.
    std::unique_ptr<QtAccessClock> m_accessClock;
    std::unique_ptr<ScanController> m_scan;
    std::unique_ptr<PointerFilter> m_pointer;
};
