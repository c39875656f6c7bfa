#include "backup/backup_page.h"
#include "backup/data_backup.h"
#include "backup/folder_chooser.h"
#include "file_fixtures.h"
#include "platform/grid.h"
#include "window_fixture.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

// Backups of the data folder into dated folders and their restore: complete
// or not at all, never overwriting without a copy, and with recording names
// that any USB stick can hold; the page of "バックアップ" and "復元" as a
// carer uses it, the folder chooser and the main window after a restore.
class BackupTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    QString m_data;
    QString m_stick;
    QStringList m_starts;
    const QDateTime m_morning{QDate(2026, 12, 7), QTime(9, 30)};
    const QDateTime m_noon{QDate(2026, 12, 7), QTime(12, 5)};

    void write(const QString& folder, const QString& name, const QByteArray& bytes) {
        QVERIFY(writeBytes(folder + '/' + name, bytes));
    }
    QStringList files(const QString& folder) {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }
    BackupPage::ChooseFolder choose(const QString& folder) {
        return [this, folder](const QString&, const QString& start) {
            m_starts.append(start);
            return folder;
        };
    }

private slots:
    void init() {
        QVERIFY(m_root.isValid());
        m_data = m_root.filePath(QStringLiteral("data"));
        m_stick = m_root.filePath(QStringLiteral("stick"));
        QDir(m_data).removeRecursively();
        QDir(m_stick).removeRecursively();
        QVERIFY(QDir().mkpath(m_data) && QDir().mkpath(m_stick));
        write(m_data, QStringLiteral("Talk.txt"), "phrases");
        m_starts.clear();
    }

    // The carer's round trip: a backup, changes, a restore that first keeps
    // the changed data, and a restore of that copy which brings them back.
    void restoreRoundTripKeepsTheDataItReplaces() {
        for (const char* name : {"Talk.txt", "day.txt", "addres.txt", "mail.txt"})
            write(m_data, name, QByteArray("first ") + name);
        for (const char* name : {"あ.wav", "?.wav", "A.wav", "a.wav", "%.wav"})
            write(m_data, QString::fromUtf8(name), QByteArray("voice ") + name);
        write(m_data, QStringLiteral("talk"), "the program, when it lies in the data folder");
        write(m_data, QStringLiteral("TalkUse.txt"), "counts");
        QVERIFY(QDir(m_data).mkdir(QStringLiteral("phrases")));
        write(m_data, QStringLiteral("phrases/Aおはよう.wav"), "phrase voice");

        const DataBackup backup(m_data);
        const DataBackup::Result made = backup.backUp(m_stick, m_morning);
        QVERIFY(made.ok);
        QCOMPARE(made.folder, m_stick + QStringLiteral("/Talk-2026-12-07-0930"));
        QCOMPARE(files(made.folder),
                 (QStringList{"%25.wav", "%3F.wav", "%41.wav", "Talk.txt", "TalkUse.txt", "a.wav",
                              "addres.txt", "day.txt", "mail.txt", "あ.wav"}));
        QCOMPARE(files(made.folder + "/phrases"), QStringList{"%41おはよう.wav"});

        write(m_data, QStringLiteral("Talk.txt"), "changed phrases");
        write(m_data, QStringLiteral("あ.wav"), "changed voice");
        write(m_data, QStringLiteral("い.wav"), "new voice");
        QVERIFY(QDir(m_data + "/phrases").removeRecursively());
        QVERIFY(backup.canRestoreFrom(made.folder));
        QVERIFY(!backup.canRestoreFrom(m_data + "/../data"));
        const DataBackup::Result restored = backup.restore(made.folder, m_noon);
        QVERIFY(restored.ok);
        QCOMPARE(restored.folder, m_stick + QStringLiteral("/Talk-2026-12-07-1205-復元前"));
        QCOMPARE(readBytes(m_data + "/Talk.txt"), QByteArray("first Talk.txt"));
        for (const char* name : {"あ.wav", "?.wav", "A.wav", "%.wav"})
            QCOMPARE(readBytes(m_data + '/' + QString::fromUtf8(name)),
                     QByteArray("voice ") + name);
        QCOMPARE(readBytes(m_data + "/い.wav"), QByteArray("new voice"));
        QCOMPARE(readBytes(m_data + "/TalkUse.txt"), QByteArray("counts"));
        QCOMPARE(readBytes(m_data + "/phrases/Aおはよう.wav"), QByteArray("phrase voice"));
        QCOMPARE(readBytes(restored.folder + "/Talk.txt"), QByteArray("changed phrases"));

        QVERIFY(backup.restore(restored.folder, m_noon).ok);
        QCOMPARE(readBytes(m_data + "/Talk.txt"), QByteArray("changed phrases"));
        QCOMPARE(readBytes(m_data + "/あ.wav"), QByteArray("changed voice"));
        QVERIFY(QFileInfo::exists(m_stick + QStringLiteral("/Talk-2026-12-07-1205-復元前-2")));
        // a backup of the same minute gets a name of its own
        QCOMPARE(backup.backUp(m_stick, m_morning).folder, m_stick + "/Talk-2026-12-07-0930-2");
    }

    // A stick that is not there, or a file that cannot be copied (here a name
    // too long for the stick once its capitals are escaped) leaves no backup
    // behind, and a restore that cannot first back up the current data
    // changes nothing.
    void nothingHalfDone() {
        const QString tooLong = QString(84, u'A') + QStringLiteral(".wav");
        write(m_data, tooLong, "voice");
        const DataBackup backup(m_data);
        QVERIFY(!backup.backUp(m_root.filePath("no such stick"), m_morning).ok);
        const DataBackup::Result failed = backup.backUp(m_stick, m_morning);
        QVERIFY(!failed.ok);
        QCOMPARE(failed.failed, tooLong);
        QVERIFY(QDir(m_stick).isEmpty());

        const QString old = m_root.filePath(QStringLiteral("old"));
        QVERIFY(QDir().mkpath(old));
        write(old, QStringLiteral("Talk.txt"), "old phrases");
        const DataBackup::Result refused = backup.restore(old, m_noon);
        QVERIFY(!refused.ok);
        QVERIFY(refused.folder.isEmpty());
        QCOMPARE(readBytes(m_data + "/Talk.txt"), QByteArray("phrases"));
    }

    void storedNamesHoldOnAnyStickAndComeBack() {
        const QStringList names{"(^_^).wav", " .wav",  "\".wav", "*.wav",   "|.wav",
                                "Z.wav",     "ｚ.wav", "　.wav", "%41.wav", "\\.wav"};
        // No character a FAT or NTFS stick refuses, no capital that clashes
        // with a small letter there, and "%" only before two hex digits.
        const QRegularExpression safe(
            QStringLiteral("^([^A-Z\"*:<>?\\\\| %]|%[0-9A-F]{2})*\\.wav$"));
        QStringList folded;
        for (const QString& name : names) {
            const QString stored = DataBackup::storedName(name);
            QVERIFY2(safe.match(stored).hasMatch(), qPrintable(stored));
            QCOMPARE(DataBackup::restoredName(stored), name);
            folded.append(stored.toLower());
        }
        folded.removeDuplicates();
        QCOMPARE(folded.size(), names.size());
        // A folder made by hand, not by a backup, keeps its names.
        QCOMPARE(DataBackup::restoredName(QStringLiteral("%.wav")), QStringLiteral("%.wav"));
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
        f.extendedOptions([backup](QWidget* extended) {
            WindowFixture::whenModal([backup](QWidget* chooser) {
                static_cast<FolderChooser*>(chooser)->open(backup);
                static_cast<FolderChooser*>(chooser)->cmdOK[1]->click();
            });
            WindowFixture::clickIn(extended, "cmdRestore");
            WindowFixture::clickIn(extended, "cmdOK(0)");
        });
        QCOMPARE(f.fakes.asker.asked.first().style, int(Asker::YesNo));
        QCOMPARE(f.window().state().phraseTexts.last(), QString("もどした"));
        QVERIFY(!f.c().grdEx->isVisible());
        QVERIFY(f.c().grdBoard->isVisible());
        QCOMPARE(f.readFile("Talk.txt").last(), QString("もどした"));
    }
};

QTEST_MAIN(BackupTest)
#include "backup_test.moc"
