#pragma once

#include "access/target.h"

#include <QPointer>
#include <memory>

class AccessClock;
class PointerMarkView;
class AccessTimer;

// Shows the progress of a dwell or a hold over its target: the mark appears
// when the time starts to run (after a dead time), fills as it runs and is
// repainted each time its fill grows by a line of pixels, at most every
// 30 ms; no timer runs while no mark shows.
class PointerMark {
public:
    explicit PointerMark(AccessClock& clock);
    ~PointerMark();

    // Marks target; its fill runs from start (now or later) over duration
    // milliseconds. A duration of 0 shows the frame alone.
    void show(const access::Target& target, qint64 start, int duration);
    void hide();

    bool isShown() const;
    // The view over the target, while it lives.
    PointerMarkView* view() const;

private:
    void frame();

    AccessClock& m_clock;
    std::unique_ptr<AccessTimer> m_frames;
    QPointer<PointerMarkView> m_view;
    access::Target m_target;
    qint64 m_start = 0;
    int m_duration = 0;
};
