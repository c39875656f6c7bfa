#include "access/scan_highlight.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

class Frame final : public QWidget {
public:
    explicit Frame(QWidget* window)
        : QWidget(window) {
        setObjectName(QStringLiteral("scanHighlight"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
    }

    void place(const QRect& rect, int thickness) {
        m_band = std::max(1, std::min({thickness, rect.width() / 4, rect.height() / 4}));
        setGeometry(rect);
        const QRect all(QPoint(0, 0), rect.size());
        setMask(QRegion(all).subtracted(all.adjusted(m_band, m_band, -m_band, -m_band)));
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect all = rect();
        const int outer = std::max(1, m_band * 5 / 8);
        painter.fillRect(all, QColor(ScanHighlight::kOuter));
        painter.fillRect(all.adjusted(outer, outer, -outer, -outer), QColor(ScanHighlight::kInner));
    }

private:
    int m_band = 1;
};

} // namespace

ScanHighlight::~ScanHighlight() {
    delete m_frame.data();
}

int ScanHighlight::thickness(double scale) {
    return std::max(4, int(std::lround(8 * scale)));
}

void ScanHighlight::show(QWidget* window, const QRect& globalRect, double scale) {
    if (!window || globalRect.isEmpty())
        return hide();
    if (m_frame && m_frame->parentWidget() != window) {
        delete m_frame.data();
        m_frame = nullptr;
    }
    if (!m_frame)
        m_frame = new Frame(window);
    const QRect local(window->mapFromGlobal(globalRect.topLeft()), globalRect.size());
    static_cast<Frame*>(m_frame.data())->place(local, thickness(scale));
}

void ScanHighlight::hide() {
    if (m_frame)
        m_frame->hide();
}

QWidget* ScanHighlight::frame() const {
    return m_frame && m_frame->isVisible() ? m_frame.data() : nullptr;
}
