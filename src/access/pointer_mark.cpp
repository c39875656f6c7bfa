#include "access/pointer_mark.h"

#include "access/access_clock.h"
#include "access/pointer_mark_view.h"

namespace {
constexpr int kShortestFrameMs = 30;
}

PointerMark::PointerMark(AccessClock& clock)
    : m_clock(clock)
    , m_frames(clock.makeTimer()) {
    m_frames->setCallback([this] { frame(); });
}

PointerMark::~PointerMark() {
    delete m_view;
}

void PointerMark::show(const access::Target& target, qint64 start, int duration) {
    if (target == m_target && start == m_start && duration == m_duration && isShown())
        return;
    m_target = target;
    m_start = start;
    m_duration = duration;
    if (m_view)
        m_view->hide();
    frame();
}

void PointerMark::hide() {
    m_target = {};
    m_frames->stop();
    if (m_view)
        m_view->hide();
}

PointerMarkView* PointerMark::view() const {
    return m_view;
}

bool PointerMark::isShown() const {
    return m_view && m_view->isVisible();
}

// Places the view over the target (the target may have moved with a change
// of scale), sets the fill for now and waits for the fill's next line.
void PointerMark::frame() {
    QWidget* surface = access::surface(m_target);
    if (!surface || !surface->isVisible()) {
        hide();
        return;
    }
    const qint64 now = m_clock.now();
    if (now < m_start) {
        m_frames->start(int(m_start - now));
        return;
    }
    QWidget* window = surface->window();
    if (m_view && m_view->parentWidget() != window)
        delete m_view;
    if (!m_view)
        m_view = new PointerMarkView(window);
    const QRect global = access::globalRect(m_target);
    const QRect local(window->mapFromGlobal(global.topLeft()), global.size());
    if (m_view->geometry() != local)
        m_view->setGeometry(local);
    const double progress = m_duration > 0 ? double(now - m_start) / m_duration : 0;
    m_view->setProgress(progress);
    if (!m_view->isVisible()) {
        m_view->raise();
        m_view->show();
    }
    if (m_duration > 0 && progress < 1) {
        const int line = qMax(kShortestFrameMs, m_duration / qMax(1, local.height()));
        m_frames->start(qMin(line, int(m_start + m_duration - now)));
    }
}
