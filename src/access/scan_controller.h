#pragma once

#include "access/scan_highlight.h"
#include "access/scan_settings.h"
#include "access/scan_tree.h"
#include "access/scanner.h"

#include <QObject>
#include <QPointer>
#include <memory>

class SpeechActivity;
class SwitchClickInput;
class SwitchInput;
class SwitchSource;
class TwipLayout;
class VoiceOutput;
struct TalkControls;

// The parts of the program that scanning works with.
struct ScanParts {
    QWidget* window; // frmTalk
    const TalkControls& c;
    TwipLayout& layout;
    VoiceOutput& voice;
};

// Switch scanning over every window of the program that the user works in:
// the main window, and in front of it the confirmation dialog, the mail
// window or the read-aloud stop panel while they are shown. The carers'
// windows (the options dialogs) are not scanned; while one is in front the
// switch keys act as ordinary keys. The scan starts on the first group when
// the main window shows, and again on each new screen and after each
// selection, which acts exactly as a tap on its target does. It waits while
// a voice or the read-aloud is sounding. Exists only while scanning is on.
class ScanController final : public QObject {
    Q_OBJECT
public:
    ScanController(const ScanParts& parts, const ScanSettings& settings, AccessClock& clock);
    ~ScanController() override;

    Scanner& scanner() { return m_scanner; }
    const ScanTree& tree() const { return m_tree; }
    const ScanHighlight& highlight() const { return m_highlight; }
    // The window being scanned; none while a carers' window is in front.
    QWidget* scannedWindow() const { return m_window; }

    // Builds the scan of the window in front now, as a new screen.
    void rebuild();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void listenTo(const SwitchSource& source);
    QWidget* windowInFront() const;
    bool isScanned(const QWidget* window) const;
    bool passesClick(QWidget* under) const;
    void rebuildSoon();
    void placeHighlight(int id);
    // Places the highlight and, with auditory scanning, speaks it.
    void showHighlight(int id);
    void select(int id);

    ScanParts m_p;
    ScanSettings m_settings;
    Scanner m_scanner;
    ScanTree m_tree;
    ScanHighlight m_highlight;
    std::unique_ptr<SwitchInput> m_keys;
    std::unique_ptr<SwitchClickInput> m_clicks;
    QPointer<QWidget> m_window;
    bool m_rebuildQueued = false;
};
