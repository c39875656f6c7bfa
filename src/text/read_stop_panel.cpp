#include "text/read_stop_panel.h"

#include "platform/back_color.h"
#include "platform/colors.h"
#include "platform/tappable.h"
#include "platform/twip_layout.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {
constexpr TwipRect kClientArea{0, 0, 15300, 3120};
}

ReadStopPanel::ReadStopPanel(double scale, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmRead"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("読み上げ中止パネル"));
    setBackColor(this, bgrColor(colors::kWindow));

    auto* layout = new TwipLayout(this, kClientArea);
    layout->setScale(scale);
    m_label = new QLabel(QStringLiteral("読み上げ中止"), this);
    m_label->setObjectName(QStringLiteral("lblLabel"));
    setBackColor(m_label, bgrColor(colors::kWindow));
    layout->setFont(m_label, {FontFace::PGothic, 72, true});
    layout->place(m_label, {2400, 660, 11475, 1515});
    markTappable(m_label);
    m_label->installEventFilter(this);
    resize(layout->designPixels(scale));
}

void ReadStopPanel::closeFromProgram() {
    m_closing = true;
    close();
}

// The close box and the window menu are refused.
void ReadStopPanel::closeEvent(QCloseEvent* event) {
    if (m_closing)
        event->accept();
    else
        event->ignore();
}

// lblLabel_Click: a tap completed on the label.
bool ReadStopPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_label && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_label->rect().contains(mouse->position().toPoint())) {
            emit stopClicked();
            closeFromProgram();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
