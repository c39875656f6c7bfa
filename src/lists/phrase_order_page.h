#pragma once

#include "window/options_page.h"

class QCheckBox;

// The extended options' page "例文の順": whether the candidates and the
// phrase list's rows within a kana row come in the order of use
// ([Predict] Learn = 1) or, as by default, in the phrase book's order.
class PhraseOrderPage final : public OptionsPage {
    Q_OBJECT
public:
    explicit PhraseOrderPage(double scale = 1.0, QWidget* parent = nullptr);

    static bool learns(const SettingsStore& store);

    QString title() const override;
    void load(const SettingsStore& store) override;
    void save(SettingsStore& store) const override;

    QCheckBox* chkLearn;
};
