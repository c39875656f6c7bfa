#include "backup/data_backup.h"
#include "file_fixtures.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Backups of the data folder into dated folders and their restore: complete
// or not at all, never overwriting without a copy, and with recording names
// that any USB stick can hold.
class DataBackupTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    QString m_data;
    QString m_stick;
    const QDateTime m_morning{QDate(2026, 12, 7), QTime(9, 30)};
    const QDateTime m_noon{QDate(2026, 12, 7), QTime(12, 5)};

    void write(const QString& folder, const QString& name, const QByteArray& bytes) {
        QVERIFY(writeBytes(folder + '/' + name, bytes));
    }
    QStringList files(const QString& folder) {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }

private slots:
    void init() {
        QVERIFY(m_root.isValid());
        m_data = m_root.filePath(QStringLiteral("data"));
        m_stick = m_root.filePath(QStringLiteral("stick"));
        QDir(m_data).removeRecursively();
        QDir(m_stick).removeRecursively();
        QVERIFY(QDir().mkpath(m_data) && QDir().mkpath(m_stick));
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
        QCOMPARE(readBytes(m_data + "/あ.wav"), QByteArray("voice あ.wav"));
        QCOMPARE(readBytes(m_data + "/?.wav"), QByteArray("voice ?.wav"));
        QCOMPARE(readBytes(m_data + "/A.wav"), QByteArray("voice A.wav"));
        QCOMPARE(readBytes(m_data + "/%.wav"), QByteArray("voice %.wav"));
        QCOMPARE(readBytes(m_data + "/い.wav"), QByteArray("new voice"));
        QCOMPARE(readBytes(m_data + "/TalkUse.txt"), QByteArray("counts"));
        QCOMPARE(readBytes(m_data + "/phrases/Aおはよう.wav"), QByteArray("phrase voice"));
        QCOMPARE(readBytes(restored.folder + "/Talk.txt"), QByteArray("changed phrases"));

        QVERIFY(backup.restore(restored.folder, m_noon).ok);
        QCOMPARE(readBytes(m_data + "/Talk.txt"), QByteArray("changed phrases"));
        QCOMPARE(readBytes(m_data + "/あ.wav"), QByteArray("changed voice"));
        QVERIFY(QFileInfo::exists(m_stick + QStringLiteral("/Talk-2026-12-07-1205-復元前-2")));
    }

    void backupsOfTheSameMinuteGetNamesOfTheirOwn() {
        write(m_data, QStringLiteral("Talk.txt"), "phrases");
        const DataBackup backup(m_data);
        QCOMPARE(backup.backUp(m_stick, m_morning).folder, m_stick + "/Talk-2026-12-07-0930");
        QCOMPARE(backup.backUp(m_stick, m_morning).folder, m_stick + "/Talk-2026-12-07-0930-2");
        QVERIFY(!backup.backUp(m_root.filePath("no such stick"), m_morning).ok);
    }

    // A file that cannot be copied (here a name too long for the stick once
    // its capitals are escaped) leaves no backup behind, and a restore that
    // cannot first back up the current data changes nothing.
    void nothingHalfDone() {
        const QString tooLong = QString(84, u'A') + QStringLiteral(".wav");
        write(m_data, QStringLiteral("Talk.txt"), "phrases");
        write(m_data, tooLong, "voice");
        const DataBackup backup(m_data);
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
};

QTEST_GUILESS_MAIN(DataBackupTest)
#include "data_backup_test.moc"
