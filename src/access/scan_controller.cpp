#include "access/scan_controller.h"

#include "access/switch_click_input.h"
#include "access/switch_input.h"
#include "platform/twip_layout.h"
#include "text/voice_output.h"
#include "window/talk_controls.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace {
// The windows besides the main window that the user works in.
const char* const kScannedWindows[] = {"frmOK", "frmMail", "frmRead"};
} // namespace

ScanController::ScanController(const ScanParts& parts, const ScanSettings& settings,
                               AccessClock& clock)
    : m_p(parts)
    , m_settings(settings)
    , m_scanner(clock, settings) {
    m_scanner.onHighlight = [this](int id) { showHighlight(id); };
    m_scanner.onSelect = [this](int id) { select(id); };
    m_scanner.setPaused(m_p.voice.activity().isActive());
    connect(&m_p.voice.activity(), &SpeechActivity::activeChanged, this,
            [this](bool active) { m_scanner.setPaused(active); });

    // Installed first, so that the switch filters, installed after it, see
    // every event before it: a click taken as a switch press is no carer's
    // tap.
    qApp->installEventFilter(this);
    m_keys =
        std::make_unique<SwitchInput>(settings.key1, settings.switches == 2 ? settings.key2 : 0);
    connect(m_keys.get(), &SwitchInput::pressed, this, [this](int n) { m_scanner.press(n); });
    connect(m_keys.get(), &SwitchInput::released, this, [this](int n) { m_scanner.release(n); });
    if (settings.click) {
        m_clicks = std::make_unique<SwitchClickInput>(
            [this](QWidget* under) { return passesClick(under); });
        connect(m_clicks.get(), &SwitchClickInput::pressed, this,
                [this](int n) { m_scanner.press(n); });
        connect(m_clicks.get(), &SwitchClickInput::released, this,
                [this](int n) { m_scanner.release(n); });
    }
    if (m_p.window->isVisible())
        rebuild();
}

ScanController::~ScanController() {
    qApp->removeEventFilter(this);
    m_scanner.onHighlight = nullptr;
    m_scanner.onSelect = nullptr;
}

void ScanController::listenTo(const SwitchSource& source) {
    connect(&source, &SwitchSource::pressed, this, [this](int n) { m_scanner.press(n); });
    connect(&source, &SwitchSource::released, this, [this](int n) { m_scanner.release(n); });
}

bool ScanController::isScanned(const QWidget* window) const {
    if (window == m_p.window)
        return true;
    for (const char* name : kScannedWindows)
        if (window->objectName() == QLatin1String(name))
            return true;
    return false;
}

// A modal window in front takes every input; otherwise the stop panel,
// which stands above everything while the text is read.
QWidget* ScanController::windowInFront() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return isScanned(modal) ? modal : nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName() == QLatin1String("frmRead"))
            return window;
    return m_p.window->isVisible() ? m_p.window : nullptr;
}

// "設定" and "終了" and the carers' windows keep their clicks.
bool ScanController::passesClick(QWidget* under) const {
    if (!under)
        return false;
    if (under == m_p.c.cmdOpt || under == m_p.c.cmdEnd)
        return true;
    return !isScanned(under->window());
}

void ScanController::rebuild() {
    m_rebuildQueued = false;
    QWidget* window = windowInFront();
    m_window = window;
    // With a carers' window in front the keys are theirs.
    m_keys->setSuspended(!window && QApplication::activeModalWidget());
    if (!window) {
        m_tree = ScanTree();
        m_scanner.setTree({});
        return;
    }
    m_tree =
        window == m_p.window ? ScanTree::ofMainWindow(window, m_p.c) : ScanTree::ofWindow(window);
    m_scanner.setTree(m_tree.root());
    // The switch keys reach the program only through a window of its own
    // that has the focus; when the window that had it went away, the one
    // scanned now takes it.
    if (!QApplication::activeWindow())
        window->activateWindow();
}

void ScanController::rebuildSoon() {
    if (m_rebuildQueued)
        return;
    m_rebuildQueued = true;
    QTimer::singleShot(0, this, [this] {
        if (m_rebuildQueued)
            rebuild();
    });
}

bool ScanController::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
        // A window comes or goes: a new screen to scan.
        if (widget->isWindow())
            rebuildSoon();
        break;
    case QEvent::Resize:
        if (widget == m_window)
            QTimer::singleShot(0, this, [this] { placeHighlight(m_scanner.highlighted()); });
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::TouchEnd:
        // A tap by the carer may have changed the screen.
        if (!access::isActivation(event) && m_window && widget->window() == m_window)
            rebuildSoon();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ScanController::placeHighlight(int id) {
    if (id < 0 || !m_window)
        return m_highlight.hide();
    m_highlight.show(m_window, m_tree.globalRect(id), m_p.layout.scale());
}

void ScanController::showHighlight(int id) {
    placeHighlight(id);
    if (id >= 0 && m_settings.cue) {
        const QString text = m_tree.cueText(id);
        if (!text.isEmpty())
            m_p.voice.speak(text);
    }
}

// A selection is a tap on the target; what the tap changed is a new screen.
void ScanController::select(int id) {
    const access::Target target = m_tree.target(id);
    m_highlight.hide();
    access::activate(target);
    rebuild();
}
