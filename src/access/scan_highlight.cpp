#include "access/scan_highlight.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// One side of the frame. It paints its part of the whole frame: black, and
// yellow inside the black band.
class Bar final : public QWidget {
public:
    explicit Bar(QWidget* window)
        : QWidget(window) {
        setObjectName(QStringLiteral("scanHighlight"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
    }

    void place(const QRect& frame, const QRect& bar, int outer) {
        m_inner = QRect(frame.topLeft() + QPoint(outer, outer),
                        frame.size() - QSize(2 * outer, 2 * outer))
                      .translated(-bar.topLeft());
        setGeometry(bar);
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(ScanHighlight::kOuter));
        painter.fillRect(m_inner, QColor(ScanHighlight::kInner));
    }

private:
    QRect m_inner;
};

} // namespace

ScanHighlight::~ScanHighlight() {
    clear();
}

void ScanHighlight::clear() {
    for (QPointer<QWidget>& bar : m_bars) {
        delete bar.data();
        bar = nullptr;
    }
}

int ScanHighlight::thickness(double scale) {
    return std::max(4, int(std::lround(10 * scale)));
}

void ScanHighlight::show(QWidget* window, const QRect& globalRect, double scale) {
    if (!window || globalRect.isEmpty())
        return hide();
    if (!m_bars[0] || m_bars[0]->parentWidget() != window) {
        clear();
        for (QPointer<QWidget>& bar : m_bars)
            bar = new Bar(window);
    }
    const QRect r(window->mapFromGlobal(globalRect.topLeft()), globalRect.size());
    const int t = std::max(1, std::min({thickness(scale), r.width() / 4, r.height() / 4}));
    const int outer = std::max(1, t / 2);
    const QRect sides[4] = {QRect(r.left(), r.top(), r.width(), t),
                            QRect(r.left(), r.bottom() + 1 - t, r.width(), t),
                            QRect(r.left(), r.top() + t, t, r.height() - 2 * t),
                            QRect(r.right() + 1 - t, r.top() + t, t, r.height() - 2 * t)};
    for (int i = 0; i < 4; ++i)
        static_cast<Bar*>(m_bars[i].data())->place(r, sides[i], outer);
}

void ScanHighlight::hide() {
    for (const QPointer<QWidget>& bar : m_bars)
        if (bar)
            bar->hide();
}

QRegion ScanHighlight::region() const {
    QRegion covered;
    for (const QPointer<QWidget>& bar : m_bars)
        if (bar && bar->isVisible())
            covered += bar->geometry();
    return covered;
}

QWidget* ScanHighlight::window() const {
    return m_bars[0] && m_bars[0]->isVisible() ? m_bars[0]->parentWidget() : nullptr;
}
