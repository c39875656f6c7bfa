#pragma once

class QPushButton;
class QWidget;
class TwipLayout;

// The height of the text panel: narrow (fraText 2445, txtTalk 2295 twips) or
// wide, reaching down to the window's command rows. The caption of cmdWide
// always names what its next press does: "広げる" while the panel is narrow,
// "狭める" while it is wide, whoever changed the size.
class TextPanelSize final {
public:
    TextPanelSize(TwipLayout& layout, QWidget* fraText, QWidget* txtTalk, QPushButton* cmdWide,
                  int windowHeightTwips);

    bool isWide() const;
    void widen();
    void narrow();

private:
    TwipLayout& m_layout;
    QWidget* m_fraText;
    QWidget* m_txtTalk;
    QPushButton* m_cmdWide;
    int m_windowHeight;
};
