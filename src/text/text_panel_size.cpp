#include "text/text_panel_size.h"

#include "platform/twip_layout.h"

#include <QPushButton>

namespace {
constexpr int kNarrowFrame = 2445;
constexpr int kNarrowText = 2295;
// A txtTalk taller than this is wide.
constexpr int kWideAbove = 2300;
// What the wide panel leaves of the window: the command rows below it.
constexpr int kFrameMargin = 3480;
constexpr int kTextMargin = 3630;
} // namespace

TextPanelSize::TextPanelSize(TwipLayout& layout, QWidget* fraText, QWidget* txtTalk,
                             QPushButton* cmdWide, int windowHeightTwips)
    : m_layout(layout)
    , m_fraText(fraText)
    , m_txtTalk(txtTalk)
    , m_cmdWide(cmdWide)
    , m_windowHeight(windowHeightTwips) {}

bool TextPanelSize::isWide() const {
    return m_layout.rect(m_txtTalk).height > kWideAbove;
}

void TextPanelSize::widen() {
    m_layout.setHeight(m_fraText, m_windowHeight - kFrameMargin);
    m_layout.setHeight(m_txtTalk, m_windowHeight - kTextMargin);
    m_cmdWide->setText(QStringLiteral("狭める"));
}

void TextPanelSize::narrow() {
    m_layout.setHeight(m_fraText, kNarrowFrame);
    m_layout.setHeight(m_txtTalk, kNarrowText);
    m_cmdWide->setText(QStringLiteral("広げる"));
}
