#pragma once

#include "access/scan_node.h"
#include "access/scan_settings.h"

#include <QtGlobal>
#include <functional>
#include <memory>
#include <vector>

class AccessClock;
class AccessTimer;

// Walks a tree of groups and targets with one or two switches.
//
// One switch: the highlight steps through the top level on its own, one step
// per scan time (the first step of a level longer by the first-step factor);
// a press enters the highlighted group or selects the highlighted target.
// Two switches: switch 2 moves the highlight one step, switch 1 enters or
// selects. Either way, after the set number of rounds without a press the
// scan goes back up one level, and at the top it rests with no highlight
// until the next press starts it again on the first group. A level of one
// target selects it on any press.
//
// A press counts once it has been held for the acceptance time; the
// highlight waits meanwhile and the press acts on what it was pressed on.
// Presses during the release time after a selection, and while the selection
// is being carried out, are ignored. While paused (a voice is playing) the
// highlight waits, and presses still act.
class Scanner {
public:
    Scanner(AccessClock& clock, const ScanSettings& settings);
    ~Scanner();
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;

    void setSettings(const ScanSettings& settings);
    // A new tree: the scan starts again at the top level, on the first group.
    void setTree(ScanNode root);
    // No highlight until the next press.
    void rest();
    void setPaused(bool paused);

    // A switch (1 or 2) goes down or up.
    void press(int switchNumber);
    void release(int switchNumber);

    // The id of the highlighted group or target, -1 while resting.
    int highlighted() const;
    int depth() const { return int(m_path.size()); }
    bool isResting() const { return m_state == State::Resting; }
    bool isPaused() const { return m_paused; }

    // Called with the id of each new highlight (-1: none) and of each
    // selected target. A selection may replace the tree (setTree); otherwise
    // the scan starts again at the top of the same tree.
    std::function<void(int id)> onHighlight;
    std::function<void(int id)> onSelect;

private:
    enum class State { Resting, Scanning, Selecting };

    const std::vector<ScanNode>& level() const;
    bool frozen() const { return m_paused || m_pending != 0; }
    bool autoStepping() const;
    void setFrozen(bool wasFrozen);
    void schedule();
    void startTimer(qint64 dueMs);
    void timeout();
    void act(int switchNumber);
    void startTop();
    void highlight(int index, bool first);
    void step();
    void goUp();
    void select(int id);

    AccessClock& m_clock;
    std::unique_ptr<AccessTimer> m_timer;
    ScanSettings m_settings;
    ScanNode m_root;
    State m_state = State::Resting;
    std::vector<int> m_path; // indices of the entered groups, from the top
    int m_index = 0;         // the highlighted member of the current level
    int m_wraps = 0;         // completed rounds at the current level
    qint64 m_stepDue = 0;    // when the highlight moves on, unless frozen
    qint64 m_stepLeft = 0;   // what remained of the step when it froze
    bool m_paused = false;
    bool m_down[3] = {false, false, false};
    int m_pending = 0; // the switch held but not yet accepted
    qint64 m_acceptDue = 0;
    qint64 m_quietUntil = 0; // end of the release time
};
