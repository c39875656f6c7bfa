#include "window/talk_controls.h"

#include "platform/back_color.h"
#include "platform/caption_button.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/hard_to_undo.h"
#include "platform/twip_layout.h"

#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

enum class Kind { Frame, Button, Grid, TextBox, Label };

constexpr quint32 kNoColor = 0xFFFFFFFFu;
constexpr FontStyle kNoFont{FontFace::PGothic, 0, false};

struct ControlEntry {
    const char* name;
    Kind kind;
    const char* container; // nullptr: the window
    const char* caption;
    TwipRect rect;
    quint32 backColor;
    FontStyle font;
    bool visible;
};

constexpr FontStyle pg(double points, bool bold = false) {
    return {FontFace::PGothic, points, bold};
}
constexpr FontStyle g(double points, bool bold = false) {
    return {FontFace::Gothic, points, bold};
}

// The main window's layout, in creation order (the first stands on top);
// positions are left, top, width, height in twips relative to the container.
const ControlEntry kLayout[] = {
    {"fraSet",
     Kind::Frame,
     nullptr,
     "",
     {14640, 2400, 16245, 8895},
     colors::kWindow,
     kNoFont,
     false},
    {"grdBoard2", Kind::Grid, "fraSet", "", {30, 30, 15285, 7035}, kNoColor, g(114.75), true},
    {"cmdEnd2",
     Kind::Button,
     "fraSet",
     "戻る",
     {6120, 7200, 9075, 1560},
     0xC0C0FF,
     pg(48, true),
     true},
    {"cmdspace",
     Kind::Button,
     "fraSet",
     "スペース",
     {120, 7200, 5775, 1560},
     colors::kTitleText,
     pg(48),
     true},
    {"fraRes", Kind::Frame, nullptr, "", {4140, 8100, 8475, 3015}, colors::kWindow, kNoFont, true},
    {"cmdRes(3)",
     Kind::Button,
     "fraRes",
     "↓",
     {2220, 1740, 1545, 1155},
     0x80FF80,
     pg(36, true),
     true},
    {"cmdRes(4)",
     Kind::Button,
     "fraRes",
     "↑",
     {2220, 180, 1545, 1155},
     0xC0FFC0,
     pg(36, true),
     true},
    {"cmdStart", Kind::Button, "fraRes", "始め", {6060, 1800, 2265, 1155}, 0xC0C0FF, pg(36), true},
    {"cmdRes(0)",
     Kind::Button,
     "fraRes",
     "→",
     {4380, 180, 1275, 2715},
     colors::kWhite,
     pg(48, true),
     true},
    {"cmdRes(1)",
     Kind::Button,
     "fraRes",
     "ＢＳ",
     {6060, 180, 2265, 1305},
     0xC0E0FF,
     pg(36, true),
     true},
    {"cmdRes(2)",
     Kind::Button,
     "fraRes",
     "←",
     {360, 180, 1275, 2715},
     colors::kWhite,
     pg(48, true),
     true},
    {"fraDay", Kind::Frame, nullptr, "", {4140, 8100, 8475, 2955}, colors::kWindow, kNoFont, false},
    {"cmdRevise",
     Kind::Button,
     "fraDay",
     "修正する",
     {480, 240, 3135, 2655},
     0xFFC0C0,
     pg(36),
     true},
    {"cmdBack", Kind::Button, "fraDay", "戻る", {4920, 240, 3135, 2655}, 0xC0C0FF, pg(36), true},
    {"fraTalk",
     Kind::Frame,
     nullptr,
     "",
     {4140, 8100, 8475, 2955},
     colors::kWindow,
     kNoFont,
     false},
    {"cmdUp", Kind::Button, "fraTalk", "△", {480, 240, 1935, 2655}, 0xC0FFC0, pg(48, true), true},
    {"cmdDown",
     Kind::Button,
     "fraTalk",
     "▽",
     {3360, 240, 1935, 2655},
     0x80FF80,
     pg(48, true),
     true},
    {"cmdDec", Kind::Button, "fraTalk", "決定", {6360, 240, 1695, 2655}, 0xFFC0C0, pg(36), true},
    {"grdMail", Kind::Grid, nullptr, "", {9180, 2520, 4425, 2025}, kNoColor, g(54.75), false},
    {"grdAD", Kind::Grid, nullptr, "", {8700, 3420, 4425, 2025}, kNoColor, g(54.75), false},
    {"grdSp", Kind::Grid, nullptr, "", {8340, 4230, 4425, 2025}, kNoColor, g(54.75), false},
    {"grdEx", Kind::Grid, nullptr, "", {8040, 5100, 4425, 2025}, kNoColor, g(54.75), false},
    {"fraText", Kind::Frame, nullptr, "", {0, 0, 15330, 2355}, colors::kWindow, kNoFont, true},
    {"txtTalk", Kind::TextBox, "fraText", "", {30, 0, 14325, 2295}, kNoColor, g(55, true), true},
    {"cmdWide",
     Kind::Button,
     "fraText",
     "広げる",
     {14415, 150, 855, 2175},
     0xFFC0C0,
     pg(27.75),
     true},
    {"cmdCopy",
     Kind::Button,
     "fraText",
     "コピ",
     {14415, 2670, 855, 2235},
     0xC98391,
     pg(24, true),
     true},
    {"cmdPaste",
     Kind::Button,
     "fraText",
     "貼る",
     {14415, 5280, 855, 2235},
     0xC98391,
     pg(24, true),
     true},
    {"cmdSamp", Kind::Button, nullptr, "例文表示", {540, 8280, 3525, 1245}, 0xFFC0C0, pg(36), true},
    {"cmdSampADD",
     Kind::Button,
     nullptr,
     "例文追加",
     {540, 9840, 3525, 1185},
     0xC0FFC0,
     pg(36),
     true},
    {"grdDay", Kind::Grid, nullptr, "", {7650, 5850, 4425, 2025}, kNoColor, g(54.75), false},
    {"cmdKey", Kind::Button, nullptr, "英数", {12870, 9990, 2295, 1065}, 0xC0FFC0, pg(36), true},
    {"cmdRead", Kind::Button, nullptr, "読む", {12870, 8370, 2295, 1200}, 0xFFC0C0, pg(36), true},
    {"cmdEnd",
     Kind::Button,
     nullptr,
     "終了",
     {0, 9840, 405, 1065},
     colors::kWindow,
     pg(15.75, true),
     true},
    {"cmdOpt",
     Kind::Button,
     nullptr,
     "設定",
     {0, 8280, 405, 1065},
     colors::kWindow,
     pg(15.75, true),
     true},
    {"grdBoard", Kind::Grid, nullptr, "", {0, 2400, 15345, 5715}, kNoColor, g(54.75), true},
    {"cmdSampDel",
     Kind::Button,
     nullptr,
     "例文削除",
     {540, 9840, 3525, 720},
     0xC0C0FF,
     pg(36),
     false},
    {"txtHide", Kind::Label, nullptr, "", {0, 0, 1215, 1575}, 0x8080FF, kNoFont, false},
};

// Row height of the list grids: one line of 54.75-point text with its margins.
constexpr int kListRowTwips = 1155;

QWidget* create(const ControlEntry& control, QWidget* parent) {
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
    case Kind::Frame: {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::NoFrame);
        return frame;
    }
    case Kind::Button: {
        auto* button = new CaptionButton(caption, parent);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    }
    case Kind::Grid: {
        auto* grid = new Grid(parent);
        grid->setRowHeights(Grid::RowHeights::Fixed, kListRowTwips);
        return grid;
    }
    case Kind::TextBox: {
        auto* text = new QPlainTextEdit(parent);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setWordWrapMode(QTextOption::WrapAnywhere);
        return text;
    }
    case Kind::Label:
        return new QLabel(caption, parent);
    }
    return nullptr;
}

template <typename T> T* find(const QHash<QString, QWidget*>& built, const QString& name) {
    return qobject_cast<T*>(built.value(name));
}

} // namespace

TalkControls buildTalkControls(QWidget* window, TwipLayout& layout) {
    QHash<QString, QWidget*> built;
    for (const ControlEntry& control : kLayout) {
        QWidget* parent =
            control.container ? built.value(QString::fromUtf8(control.container)) : window;
        QWidget* widget = create(control, parent);
        widget->setObjectName(QString::fromUtf8(control.name));
        if (control.backColor != kNoColor)
            setBackColor(widget, bgrColor(control.backColor));
        if (control.font.points > 0)
            layout.setFont(widget, control.font);
        layout.place(widget, control.rect);
        widget->setVisible(control.visible);
        // Controls earlier in the table stand above later ones: the selection
        // panel covers everything, the lists cover the widened text panel.
        widget->lower();
        built.insert(widget->objectName(), widget);
    }

    TalkControls c;
    c.fraSet = find<QFrame>(built, QStringLiteral("fraSet"));
    c.grdBoard2 = find<Grid>(built, QStringLiteral("grdBoard2"));
    c.cmdEnd2 = find<QPushButton>(built, QStringLiteral("cmdEnd2"));
    c.cmdspace = find<QPushButton>(built, QStringLiteral("cmdspace"));
    c.fraRes = find<QFrame>(built, QStringLiteral("fraRes"));
    for (int i = 0; i < 5; ++i)
        c.cmdRes[i] = find<QPushButton>(built, QStringLiteral("cmdRes(%1)").arg(i));
    c.cmdStart = find<QPushButton>(built, QStringLiteral("cmdStart"));
    c.fraDay = find<QFrame>(built, QStringLiteral("fraDay"));
    c.cmdRevise = find<QPushButton>(built, QStringLiteral("cmdRevise"));
    c.cmdBack = find<QPushButton>(built, QStringLiteral("cmdBack"));
    c.fraTalk = find<QFrame>(built, QStringLiteral("fraTalk"));
    c.cmdUp = find<QPushButton>(built, QStringLiteral("cmdUp"));
    c.cmdDown = find<QPushButton>(built, QStringLiteral("cmdDown"));
    c.cmdDec = find<QPushButton>(built, QStringLiteral("cmdDec"));
    c.grdMail = find<Grid>(built, QStringLiteral("grdMail"));
    c.grdAD = find<Grid>(built, QStringLiteral("grdAD"));
    c.grdSp = find<Grid>(built, QStringLiteral("grdSp"));
    c.grdEx = find<Grid>(built, QStringLiteral("grdEx"));
    c.fraText = find<QFrame>(built, QStringLiteral("fraText"));
    c.txtTalk = find<QPlainTextEdit>(built, QStringLiteral("txtTalk"));
    c.cmdWide = find<QPushButton>(built, QStringLiteral("cmdWide"));
    c.cmdCopy = find<QPushButton>(built, QStringLiteral("cmdCopy"));
    c.cmdPaste = find<QPushButton>(built, QStringLiteral("cmdPaste"));
    c.cmdSamp = find<QPushButton>(built, QStringLiteral("cmdSamp"));
    c.cmdSampADD = find<QPushButton>(built, QStringLiteral("cmdSampADD"));
    c.grdDay = find<Grid>(built, QStringLiteral("grdDay"));
    c.cmdKey = find<QPushButton>(built, QStringLiteral("cmdKey"));
    c.cmdRead = find<QPushButton>(built, QStringLiteral("cmdRead"));
    c.cmdEnd = find<QPushButton>(built, QStringLiteral("cmdEnd"));
    c.cmdOpt = find<QPushButton>(built, QStringLiteral("cmdOpt"));
    c.grdBoard = find<Grid>(built, QStringLiteral("grdBoard"));
    c.cmdSampDel = find<QPushButton>(built, QStringLiteral("cmdSampDel"));
    c.txtHide = find<QLabel>(built, QStringLiteral("txtHide"));

    // What "ＢＳ", "始め" and "例文削除" do is hard to undo.
    for (QWidget* button : {c.cmdRes[1], c.cmdStart, c.cmdSampDel})
        markHardToUndo(button);
    // The board and the selection panel share their heights among their
    // rows and centre their characters.
    for (Grid* board : {c.grdBoard, c.grdBoard2}) {
        board->setRowHeights(Grid::RowHeights::ShareHeight);
        board->cells().setAlignment(Qt::AlignCenter);
    }
    c.grdBoard2->setRows(3);
    c.grdBoard2->setCols(3);
    c.grdBoard->setRows(5);
    c.grdBoard->setCols(10);
    return c;
}
