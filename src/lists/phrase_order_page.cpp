#include "lists/phrase_order_page.h"

#include "platform/fonts.h"
#include "platform/settings_store.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>
#include <initializer_list>

namespace {
const QString kLearnKey = QStringLiteral("Predict/Learn");
// The options dialog's caption font; set on the controls themselves, since
// controls made before the page joins the dialog keep the font they had.
const FontStyle kFont{FontFace::PGothic, 15.75, true};
} // namespace

PhraseOrderPage::PhraseOrderPage(double scale, QWidget* parent)
    : OptionsPage(parent) {
    setObjectName(QStringLiteral("pagePredict"));
    chkLearn = new QCheckBox(QStringLiteral("よく使う例文を先に出す。"), this);
    chkLearn->setObjectName(QStringLiteral("chkLearn"));
    auto* note = new QLabel(QStringLiteral("候補と例文の一覧（同じ行の中）を、よく使う順、"
                                           "最近使った順に並べます。"),
                            this);
    note->setWordWrap(true);
    const QFont font = makeFont(kFont, scale);
    for (QWidget* w : std::initializer_list<QWidget*>{chkLearn, note})
        w->setFont(font);
    // A box as large as the caption's characters, on a line twice as high, so
    // that it is a target for a finger.
    const int box = QFontMetrics(font).height();
    chkLearn->setStyleSheet(QStringLiteral("QCheckBox { min-height: %1px; }"
                                           "QCheckBox::indicator { width: %2px; height: %2px; }")
                                .arg(2 * box)
                                .arg(box));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkLearn);
    layout->addWidget(note);
    layout->addStretch();
}

bool PhraseOrderPage::learns(const SettingsStore& store) {
    return store.value(kLearnKey).value_or(QString()).trimmed() == QLatin1String("1");
}

QString PhraseOrderPage::title() const {
    return QStringLiteral("例文の順");
}

void PhraseOrderPage::load(const SettingsStore& store) {
    chkLearn->setChecked(learns(store));
}

void PhraseOrderPage::save(SettingsStore& store) const {
    store.setValue(kLearnKey, chkLearn->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}
