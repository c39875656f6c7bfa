#pragma once

#include <QString>
#include <QWidget>

class SettingsStore;

// One page of the extended-options dialog: the options of one extension, kept
// in the settings file in a group of their own. The page shows what the store
// holds (absent keys as their defaults) and writes its keys back on "確定".
class OptionsPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual QString title() const = 0;
    virtual void load(const SettingsStore& store) = 0;
    virtual void save(SettingsStore& store) const = 0;
};
