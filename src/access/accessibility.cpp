#include "access/accessibility.h"

#include "access/grid_accessible.h"
#include "access/tap_accessible.h"
#include "access/target.h"
#include "platform/grid.h"
#include "platform/tappable.h"
#include "window/talk_controls.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace access {

namespace {
QAccessibleInterface* makeInterface(const QString& /*className*/, QObject* object) {
    if (auto* grid = qobject_cast<Grid*>(object))
        return new GridAccessible(grid);
    if (auto* button = qobject_cast<QPushButton*>(object))
        return new TapAccessible(button);
    if (auto* label = qobject_cast<QLabel*>(object); label && isTappable(label))
        return new TapAccessible(label);
    return nullptr;
}
} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(makeInterface);
}

QString spokenName(const QString& caption) {
    static const QHash<QString, QString> words{
        {QStringLiteral("→"), QStringLiteral("右へ")},
        {QStringLiteral("←"), QStringLiteral("左へ")},
        {QStringLiteral("↑"), QStringLiteral("上へ")},
        {QStringLiteral("↓"), QStringLiteral("下へ")},
        {QStringLiteral("△"), QStringLiteral("上の行へ")},
        {QStringLiteral("▽"), QStringLiteral("下の行へ")},
        {QStringLiteral("▲"), QStringLiteral("前のページ")},
        {QStringLiteral("▼"), QStringLiteral("次のページ")},
    };
    return words.value(caption, caption);
}

void nameControls(const TalkControls& c) {
    c.txtTalk->setAccessibleName(QStringLiteral("文の欄"));
    c.grdBoard->setAccessibleName(QStringLiteral("文字盤"));
    c.grdBoard2->setAccessibleName(QStringLiteral("文字選択画面"));
    c.grdEx->setAccessibleName(QStringLiteral("例文"));
    c.grdSp->setAccessibleName(QStringLiteral("例文の候補"));
    c.grdDay->setAccessibleName(QStringLiteral("日記"));
    c.grdAD->setAccessibleName(QStringLiteral("アドレス帳"));
    c.grdMail->setAccessibleName(QStringLiteral("メール"));
}

void activateLater(QWidget* widget, int row, int col) {
    const QPointer<QWidget> target = widget;
    QTimer::singleShot(0, widget, [target, row, col] {
        // What is hidden or disabled by then takes no tap, as under a finger.
        if (target && target->isVisible() && target->isEnabled())
            activate({target, row, col});
    });
}

} // namespace access
