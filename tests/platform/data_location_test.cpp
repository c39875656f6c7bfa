#include "platform/data_location.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Where the data lives: beside a program that runs where it was built or
// copied and can write there, in the user's data folder otherwise.
class DataLocationTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    QString m_bin;
    QString m_user;

private slots:
    void init() {
        QVERIFY(m_root.isValid());
        m_bin = m_root.filePath(QStringLiteral("bin"));
        m_user = m_root.filePath(QStringLiteral("home/.local/share/Talk"));
        QVERIFY(QDir().mkpath(m_bin));
    }

    void writableBuildKeepsEverythingBesideTheExecutable() {
        const DataLocation at = DataLocation::choose(m_bin, m_bin + "/../share/talk", m_user, true);
        QCOMPARE(at.dataDir, m_bin);
        QCOMPARE(at.programDir, m_bin);
    }

    // A copy on a write-protected medium or in a system folder: the data goes
    // to the user, the recordings and starter files stay beside the program.
    void unwritableFolderKeepsTheDataInTheUsersFolder() {
        const DataLocation at =
            DataLocation::choose(m_bin, m_bin + "/../share/talk", m_user, false);
        QCOMPARE(at.dataDir, m_user);
        QCOMPARE(at.programDir, m_bin);
    }

    // /usr/bin is writable for root and ~/.local/bin for its user: an
    // installed program still never keeps data beside its executable.
    void installedProgramKeepsTheDataInTheUsersFolderEvenWhereItCouldWrite() {
        QVERIFY(QDir().mkpath(m_root.filePath(QStringLiteral("share/talk"))));
        for (const bool writable : {true, false}) {
            const DataLocation at =
                DataLocation::choose(m_bin, m_bin + "/../share/talk", m_user, writable);
            QCOMPARE(at.dataDir, m_user);
            QCOMPARE(at.programDir, m_root.filePath(QStringLiteral("share/talk")));
        }
    }
};

QTEST_GUILESS_MAIN(DataLocationTest)
#include "data_location_test.moc"
