#include "backup/backup_page.h"
#include "backup/folder_chooser.h"
#include "file_fixtures.h"
#include "platform/grid.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

// The page of "バックアップ" and "復元" as a carer uses it, the folder chooser
// and the main window after a restore.
class BackupPageTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    QString m_data;
    QString m_stick;
    QStringList m_starts;

    BackupPage::ChooseFolder choose(const QString& folder) {
        return [this, folder](const QString&, const QString& start) {
            m_starts.append(start);
            return folder;
        };
    }
    // Runs step on the modal dialog that the next action opens.
    static void onNextDialog(std::function<void(QWidget*)> step) {
        QTimer::singleShot(0, [step] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            step(dialog);
        });
    }

private slots:
    void init() {
        m_data = m_root.filePath(QStringLiteral("data"));
        m_stick = m_root.filePath(QStringLiteral("stick"));
        QDir(m_data).removeRecursively();
        QDir(m_stick).removeRecursively();
        QVERIFY(QDir().mkpath(m_data) && QDir().mkpath(m_stick));
        QVERIFY(writeBytes(m_data + "/Talk.txt", "phrases"));
        m_starts.clear();
    }

    // A backup goes into a dated folder of the chosen place, which the next
    // choice starts from and "確定" stores.
    void backupRemembersThePlace() {
        ScriptedAsker asker;
        MemorySettingsStore store;
        store.values.insert("Backup/Folder", m_root.path());
        BackupPage page(m_data, asker, choose(m_stick));
        page.load(store);
        page.cmdBackup->click();
        const QStringList made = QDir(m_stick).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(made.size(), 1);
        QVERIFY(made.first().startsWith("Talk-"));
        QCOMPARE(readBytes(m_stick + '/' + made.first() + "/Talk.txt"), QByteArray("phrases"));
        QCOMPARE(asker.asked.size(), 1);
        QVERIFY(asker.asked.first().message.startsWith("バックアップしました。"));
        QCOMPARE(page.lblResult->text(), asker.asked.first().message);
        page.cmdBackup->click();
        QCOMPARE(m_starts, (QStringList{m_root.path(), m_stick}));
        page.save(store);
        QCOMPARE(store.values.value("Backup/Folder"), m_stick);
    }

    // A restore asks first, never runs while a diary, address or mail is
    // open, and refuses a folder without data files.
    void restoreAsksAndRefuses() {
        QVERIFY(writeBytes(m_stick + "/Talk.txt", "backed up"));
        ScriptedAsker asker;
        BackupPage page(m_data, asker, choose(m_stick));
        QSignalSpy restored(&page, &BackupPage::restored);
        page.setRestoreBlocked(true);
        page.cmdRestore->click();
        QVERIFY(m_starts.isEmpty());
        page.setRestoreBlocked(false);
        asker.answers = {false};
        page.cmdRestore->click();
        QCOMPARE(readBytes(m_data + "/Talk.txt"), QByteArray("phrases"));
        asker.answers = {true};
        page.cmdRestore->click();
        QCOMPARE(readBytes(m_data + "/Talk.txt"), QByteArray("backed up"));
        QCOMPARE(restored.count(), 1);
        QVERIFY(QDir().mkpath(m_root.filePath("nothing")));
        BackupPage nothing(m_data, asker, choose(m_root.filePath("nothing")));
        nothing.cmdRestore->click();
        QCOMPARE(asker.asked.last().message, QString("「nothing」にはバックアップがありません。"));
    }

    // Folders are opened by a tap on their row; "上へ" climbs to the places
    // the chooser started from.
    void chooserOpensFoldersByTaps() {
        QVERIFY(QDir().mkpath(m_stick + "/Talk-2026-12-07-0930"));
        QVERIFY(QDir().mkpath(m_stick + "/Talk-2026-12-07-1205"));
        FolderChooser chooser("復元するバックアップ", QString(), {{"USB", m_stick}});
        chooser.show();
        QCOMPARE(chooser.folder(), QString());
        QVERIFY(!chooser.cmdOK[1]->isEnabled());
        QCOMPARE(chooser.grdFolders->text(0, 0), QString("USB"));
        WindowFixture::tap(chooser.grdFolders, 0);
        QCOMPARE(chooser.folder(), m_stick);
        QCOMPARE(WindowFixture::column(chooser.grdFolders, 0),
                 (QStringList{"Talk-2026-12-07-0930", "Talk-2026-12-07-1205"}));
        WindowFixture::tap(chooser.grdFolders, 1);
        QCOMPARE(chooser.folder(), m_stick + "/Talk-2026-12-07-1205");
        chooser.cmdParent->click();
        QCOMPARE(chooser.folder(), m_stick);
        chooser.cmdParent->click();
        QCOMPARE(chooser.folder(), QString());
    }

    // Through the options: the restored phrase book is the one on show, and
    // the phrase list that was open gives way to the board.
    void restoreFromTheOptionsReloadsThePhraseBook() {
        WindowFixture f;
        f.writeFile("Talk.txt", {"ああああ日記ダミー消さないでね！",
                                 "ああああ日記ダミー消さないでね！", "いまの"});
        const QString backup = f.dir.filePath("Talk-2026-12-07-0930");
        QVERIFY(QDir().mkpath(backup));
        QVERIFY(
            writeRecordsTo(backup + "/Talk.txt", {"ああああ日記ダミー消さないでね！",
                                                  "ああああ日記ダミー消さないでね！", "もどした"}));
        f.open();
        f.c().cmdSamp->click();
        QVERIFY(f.c().grdEx->isVisible());
        onNextDialog([backup](QWidget* options) {
            onNextDialog([backup](QWidget* extended) {
                onNextDialog([backup](QWidget* chooser) {
                    static_cast<FolderChooser*>(chooser)->open(backup);
                    static_cast<FolderChooser*>(chooser)->cmdOK[1]->click();
                });
                extended->findChild<QPushButton*>("cmdRestore")->click();
                extended->findChild<QPushButton*>("cmdOK(0)")->click();
            });
            options->findChild<QPushButton*>("cmdMore")->click();
            options->findChild<QPushButton*>("cmdOK(0)")->click();
        });
        f.c().cmdOpt->click();
        QCOMPARE(f.fakes.asker.asked.first().style, int(Asker::YesNo));
        QCOMPARE(f.window().state().phraseTexts.last(), QString("もどした"));
        QVERIFY(!f.c().grdEx->isVisible());
        QVERIFY(f.c().grdBoard->isVisible());
        QCOMPARE(f.readFile("Talk.txt").last(), QString("もどした"));
    }
};

QTEST_MAIN(BackupPageTest)
#include "backup_page_test.moc"
