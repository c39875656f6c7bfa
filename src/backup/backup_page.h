#pragma once

#include "window/options_page.h"

#include <functional>

class Asker;
class QLabel;
class QPushButton;

// "バックアップ": the extended options' page that copies the user's data - the
// data files and the user's own recordings - into a dated folder of a chosen
// place (a USB stick), and "復元" that brings such a copy back after backing
// up the data it replaces. Both act at once; the page keeps only the place
// last used ("Backup/Folder"), written with the other options on "確定".
class BackupPage final : public OptionsPage {
    Q_OBJECT
public:
    // Asks for a folder (title, folder to start in); empty when cancelled.
    using ChooseFolder = std::function<QString(const QString&, const QString&)>;

    // Made with the dialog as its parent, the page takes the dialog's font.
    BackupPage(const QString& dataDir, Asker& asker, ChooseFolder chooseFolder,
               QWidget* parent = nullptr);

    QString title() const override;
    void load(const SettingsStore& store) override;
    void save(SettingsStore& store) const override;

    // While a diary, an address or a mail is open its list is held in memory
    // and would be saved over the restored file: restore waits until it is
    // closed.
    void setRestoreBlocked(bool blocked) { m_restoreBlocked = blocked; }

    QLabel* lblAbout;
    QPushButton* cmdBackup;
    QPushButton* cmdRestore;
    QLabel* lblResult;

signals:
    // The data files were replaced, wholly or in part.
    void restored();

protected:
    void changeEvent(QEvent* event) override;

private:
    void cmdBackup_Click();
    void cmdRestore_Click();
    void tell(const QString& message);
    void enlargeButtons();

    QString m_dataDir;
    Asker& m_asker;
    ChooseFolder m_chooseFolder;
    QString m_lastFolder;
    bool m_restoreBlocked = false;
};
