#include "access/scanner.h"

#include "access/access_clock.h"

#include <algorithm>
#include <cmath>

Scanner::Scanner(AccessClock& clock, const ScanSettings& settings)
    : m_clock(clock)
    , m_timer(clock.makeTimer())
    , m_settings(settings) {
    m_timer->setCallback([this] { timeout(); });
}

Scanner::~Scanner() = default;

void Scanner::setSettings(const ScanSettings& settings) {
    m_settings = settings;
    schedule();
}

void Scanner::setTree(ScanNode root) {
    // A lone target is a top level of one.
    if (!root.isGroup() && root.id >= 0)
        root = ScanNode{-1, {std::move(root)}};
    m_root = std::move(root);
    // A press still held was meant for the old screen.
    const bool wasFrozen = frozen();
    m_pending = 0;
    startTop();
    setFrozen(wasFrozen);
}

void Scanner::rest() {
    m_state = State::Resting;
    m_path.clear();
    m_wraps = 0;
    schedule();
    if (onHighlight)
        onHighlight(-1);
}

void Scanner::setPaused(bool paused) {
    const bool wasFrozen = frozen();
    m_paused = paused;
    setFrozen(wasFrozen);
}

int Scanner::highlighted() const {
    if (m_state != State::Scanning && m_state != State::Selecting)
        return -1;
    const std::vector<ScanNode>& nodes = level();
    return m_index < int(nodes.size()) ? nodes[m_index].id : -1;
}

const std::vector<ScanNode>& Scanner::level() const {
    const ScanNode* node = &m_root;
    for (const int index : m_path)
        node = &node->children[index];
    return node->children;
}

bool Scanner::autoStepping() const {
    return m_state == State::Scanning && m_settings.switches == 1 && !frozen();
}

// The step's remaining time is kept while the highlight waits for a pause to
// end or a press to be accepted, and runs on from there.
void Scanner::setFrozen(bool wasFrozen) {
    const bool isFrozen = frozen();
    if (isFrozen != wasFrozen) {
        const qint64 now = m_clock.now();
        if (isFrozen)
            m_stepLeft = std::max<qint64>(0, m_stepDue - now);
        else
            m_stepDue = now + m_stepLeft;
    }
    schedule();
}

void Scanner::schedule() {
    if (m_pending != 0)
        startTimer(m_acceptDue);
    else if (autoStepping())
        startTimer(m_stepDue);
    else
        m_timer->stop();
}

// The timer rings once at dueMs, at once when that has passed.
void Scanner::startTimer(qint64 dueMs) {
    m_timer->start(int(std::max<qint64>(0, dueMs - m_clock.now())));
}

void Scanner::timeout() {
    const qint64 now = m_clock.now();
    if (m_pending != 0) {
        if (now < m_acceptDue)
            return schedule();
        const int accepted = m_pending;
        const bool wasFrozen = frozen();
        m_pending = 0;
        setFrozen(wasFrozen);
        return act(accepted);
    }
    if (autoStepping() && now >= m_stepDue)
        step();
    schedule();
}

void Scanner::press(int switchNumber) {
    if (switchNumber < 1 || switchNumber > 2 || m_down[switchNumber])
        return;
    if (switchNumber == 2 && m_settings.switches != 2)
        return;
    m_down[switchNumber] = true;
    const qint64 now = m_clock.now();
    if (m_state == State::Selecting || now < m_quietUntil || m_pending != 0)
        return;
    if (m_settings.acceptMs <= 0)
        return act(switchNumber);
    const bool wasFrozen = frozen();
    m_pending = switchNumber;
    m_acceptDue = now + m_settings.acceptMs;
    setFrozen(wasFrozen);
}

void Scanner::release(int switchNumber) {
    if (switchNumber < 1 || switchNumber > 2 || !m_down[switchNumber])
        return;
    m_down[switchNumber] = false;
    if (m_pending == switchNumber) {
        // Too short: as if it had not been pressed.
        const bool wasFrozen = frozen();
        m_pending = 0;
        setFrozen(wasFrozen);
    }
}

void Scanner::act(int switchNumber) {
    if (m_state == State::Selecting)
        return;
    const std::vector<ScanNode>& nodes = level();
    if (m_path.empty() && nodes.size() == 1 && !nodes.front().isGroup())
        return select(nodes.front().id);
    if (m_state == State::Resting)
        return startTop();
    if (switchNumber == 2)
        return step();
    if (nodes[m_index].isGroup()) {
        m_path.push_back(m_index);
        m_wraps = 0;
        return highlight(0, true);
    }
    select(nodes[m_index].id);
}

void Scanner::startTop() {
    m_path.clear();
    m_wraps = 0;
    if (level().empty())
        return rest();
    highlight(0, true);
}

void Scanner::highlight(int index, bool first) {
    m_state = State::Scanning;
    m_index = index;
    const double factor = first ? m_settings.firstFactor : 1.0;
    const qint64 length = qint64(std::lround(m_settings.stepMs * factor));
    if (frozen())
        m_stepLeft = length;
    else
        m_stepDue = m_clock.now() + length;
    schedule();
    if (onHighlight)
        onHighlight(level()[index].id);
}

void Scanner::step() {
    int next = m_index + 1;
    if (next >= int(level().size())) {
        next = 0;
        if (++m_wraps >= m_settings.rounds)
            return goUp();
    }
    highlight(next, false);
}

void Scanner::goUp() {
    m_wraps = 0;
    if (m_path.empty())
        return rest();
    const int group = m_path.back();
    m_path.pop_back();
    highlight(group, false);
}

void Scanner::select(int id) {
    m_state = State::Selecting;
    m_quietUntil = m_clock.now() + m_settings.releaseMs;
    schedule();
    if (onSelect)
        onSelect(id);
    if (m_state == State::Selecting)
        startTop();
}
