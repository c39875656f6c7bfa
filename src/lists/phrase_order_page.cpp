#include "lists/phrase_order_page.h"

#include "platform/settings_store.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QString kLearnKey = QStringLiteral("Predict/Learn");
}

PhraseOrderPage::PhraseOrderPage(QWidget* parent)
    : OptionsPage(parent) {
    setObjectName(QStringLiteral("pagePredict"));
    chkLearn = new QCheckBox(QStringLiteral("よく使う例文を先に出す。"), this);
    chkLearn->setObjectName(QStringLiteral("chkLearn"));
    // A box as large as the caption's characters, whatever the dialog's scale.
    chkLearn->setStyleSheet(QStringLiteral("QCheckBox { min-height: 2em; }"
                                           "QCheckBox::indicator { width: 1em; height: 1em; }"));
    auto* note = new QLabel(QStringLiteral("候補と例文の一覧（同じ行の中）を、よく使う順、"
                                           "最近使った順に並べます。"),
                            this);
    note->setWordWrap(true);
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
