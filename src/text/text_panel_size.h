#pragma once

class QWidget;
class TwipLayout;

// The height of the text panel: narrow (fraText 2445, txtTalk 2295 twips) or
// wide, reaching down to the window's command rows. The caption of cmdWide
// is the caller's: read-aloud widens without changing it.
class TextPanelSize final {
public:
    TextPanelSize(TwipLayout& layout, QWidget* fraText, QWidget* txtTalk, int windowHeightTwips);

    bool isWide() const;
    void widen();
    void narrow();

private:
    TwipLayout& m_layout;
    QWidget* m_fraText;
    QWidget* m_txtTalk;
    int m_windowHeight;
};
