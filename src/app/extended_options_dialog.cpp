#include "app/extended_options_dialog.h"

#include "platform/back_color.h"
#include "platform/colors.h"
#include "platform/settings_store.h"
#include "platform/twip_layout.h"
#include "window/options_page.h"

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {
// The options dialog's colour and fonts; the page area is wide enough for
// the captions of the options dialog at the same size.
constexpr quint32 kBack = 0xFFC0C0;
constexpr TwipRect kClientArea{0, 0, 10005, 10005};
const FontStyle kFont{FontFace::PGothic, 15.75, true};
const FontStyle kButtonFont{FontFace::PGothic, 18, false};
} // namespace

ExtendedOptionsDialog::ExtendedOptionsDialog(SettingsStore& store, double scale, QWidget* parent)
    : QDialog(parent)
    , m_store(store)
    , m_layout(new TwipLayout(this, kClientArea)) {
    setObjectName(QStringLiteral("frmExtOPT"));
    setWindowTitle(QStringLiteral("詳細設定"));
    setBackColor(this, bgrColor(kBack));
    m_layout->setScale(scale);
    setFixedSize(m_layout->designPixels(scale));
    // Pages inherit the dialog's font, so every caption is as large as in
    // the options dialog and grows with the window's scale.
    m_layout->setFont(this, kFont);

    tabPages = new QTabWidget(this);
    tabPages->setObjectName(QStringLiteral("tabPages"));
    tabPages->setDocumentMode(true);
    // Tabs are targets for a finger, a head mouse and a switch alike.
    tabPages->tabBar()->setExpanding(true);
    // On the tab bar alone: a style sheet on the tab widget would keep the
    // pages from inheriting the dialog's font.
    tabPages->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { min-height: %1px; padding: 0 %2px; }")
            .arg(twipsToPixels(600, scale))
            .arg(twipsToPixels(180, scale)));
    m_layout->place(tabPages, {240, 120, 9525, 8880});

    const char* const captions[2] = {"キャンセル", "確定"};
    const TwipRect rects[2] = {{780, 9240, 2475, 615}, {6750, 9240, 2475, 615}};
    for (int i = 0; i < 2; ++i) {
        cmdOK[i] = new QPushButton(QString::fromUtf8(captions[i]), this);
        cmdOK[i]->setObjectName(QStringLiteral("cmdOK(%1)").arg(i));
        cmdOK[i]->setAutoDefault(false);
        setBackColor(cmdOK[i], bgrColor(kBack));
        m_layout->place(cmdOK[i], rects[i]);
        m_layout->setFont(cmdOK[i], kButtonFont);
        connect(cmdOK[i], &QPushButton::clicked, this, [this, i] { cmdOK_Click(i); });
    }
}

void ExtendedOptionsDialog::addPage(OptionsPage* page) {
    // A page made before it was added would keep its own font; it takes the
    // dialog's, which its controls inherit.
    page->setFont(font());
    page->setAutoFillBackground(true);
    setBackColor(page, bgrColor(kBack));
    page->load(m_store);
    m_pages.push_back(page);
    tabPages->addTab(page, page->title());
    // Under the tab widget's style sheet the page's widgets would keep the
    // small default font: each is given the dialog's.
    page->setFont(font());
    for (QWidget* widget : page->findChildren<QWidget*>())
        widget->setFont(font());
}

void ExtendedOptionsDialog::cmdOK_Click(int index) {
    if (index == 1) {
        for (const OptionsPage* page : m_pages)
            page->save(m_store);
        accept();
    } else {
        reject();
    }
}
