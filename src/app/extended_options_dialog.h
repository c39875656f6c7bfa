#pragma once

#include <QDialog>
#include <vector>

class OptionsPage;
class QPushButton;
class QTabWidget;
class SettingsStore;
class TwipLayout;

// "詳細設定": the one dialog of the options that go beyond the eight of the
// options dialog, one page per extension, in the options dialog's style
// (fonts, colours, big targets). "確定" has every page write its keys and
// closes with Accepted; "キャンセル" and the close box write nothing.
class ExtendedOptionsDialog final : public QDialog {
    Q_OBJECT
public:
    ExtendedOptionsDialog(SettingsStore& store, double scale = 1.0, QWidget* parent = nullptr);

    // Adds a page, filled from the store; the dialog owns it.
    void addPage(OptionsPage* page);

    QTabWidget* tabPages;
    QPushButton* cmdOK[2];

private:
    void cmdOK_Click(int index);

    SettingsStore& m_store;
    TwipLayout* m_layout;
    std::vector<OptionsPage*> m_pages;
};
