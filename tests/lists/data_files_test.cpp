#include "file_fixtures.h"
#include "lists/data_files.h"
#include "platform/data_location.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Where the data lives, and the starter data files an installed program
// copies into the user's data folder: only those missing, never over the
// user's own.
class DataFilesTest : public QObject {
    Q_OBJECT
private slots:
    // Beside a program that runs where it was built or copied and can write
    // there, in the user's data folder otherwise. An installed program (its
    // share/talk beside its bin) keeps the data in the user's folder even
    // where it could write (/usr/bin for root, ~/.local/bin for its user);
    // its recordings and starter files stay in share/talk.
    void dataLocation_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("besideProgram");
        QTest::newRow("build, writable") << false << true << true;
        QTest::newRow("build, write-protected") << false << false << false;
        QTest::newRow("installed, writable") << true << true << false;
        QTest::newRow("installed, write-protected") << true << false << false;
    }
    void dataLocation() {
        QFETCH(bool, installed);
        QFETCH(bool, writable);
        QFETCH(bool, besideProgram);
        QTemporaryDir root;
        const QString bin = root.filePath("bin");
        const QString share = root.filePath("share/talk");
        const QString user = root.filePath("home/.local/share/Talk");
        QVERIFY(QDir().mkpath(bin) && (!installed || QDir().mkpath(share)));
        const DataLocation at = DataLocation::choose(bin, bin + "/../share/talk", user, writable);
        QCOMPARE(at.dataDir, besideProgram ? bin : user);
        QCOMPARE(at.programDir, installed ? share : bin);
    }

    void starterFilesFillOnlyWhatIsMissing() {
        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("share/talk"));
        const QString data = root.filePath(QStringLiteral("home/.local/share/Talk"));
        QVERIFY(QDir().mkpath(program));
        for (const QString& name : data_files::kAll) {
            QVERIFY(writeBytes(program + '/' + name, "starter " + name.toUtf8()));
            // installed files are read-only to the user
            QVERIFY(QFile::setPermissions(program + '/' + name, QFile::ReadOwner));
        }

        QVERIFY(data_files::placeStarterFiles(program, data));
        for (const QString& name : data_files::kAll) {
            QCOMPARE(readBytes(data + '/' + name), "starter " + name.toUtf8());
            QVERIFY(QFileInfo(data + '/' + name).permissions() & QFile::WriteOwner);
        }
        QVERIFY(!QFileInfo::exists(data + "/Talk.txt.partial"));

        // The user's own files, a link the user set, and a changed starter.
        QVERIFY(writeBytes(data + "/Talk.txt", "mine"));
        QVERIFY(QFile::remove(data + "/mail.txt"));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("elsewhere.txt")), data + "/mail.txt"));
        QVERIFY(QFile::remove(data + "/day.txt"));
        QVERIFY(QFile::setPermissions(program + "/Talk.txt", QFile::WriteOwner | QFile::ReadOwner));
        QVERIFY(writeBytes(program + "/Talk.txt", "new starter"));

        QVERIFY(data_files::placeStarterFiles(program, data));
        QCOMPARE(readBytes(data + "/Talk.txt"), QByteArray("mine"));
        QVERIFY(QFileInfo(data + "/mail.txt").isSymLink());
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("elsewhere.txt"))));
        QCOMPARE(readBytes(data + "/day.txt"), QByteArray("starter day.txt"));
    }

    // Where the program runs from its own writable folder there is nothing to
    // copy; a folder that cannot be made is reported.
    void sameFolderNeedsNothingAndAnImpossibleFolderFails() {
        QTemporaryDir root;
        QVERIFY(data_files::placeStarterFiles(root.path(), root.path()));
        QVERIFY(QDir(root.path()).isEmpty());
        QVERIFY(writeBytes(root.filePath(QStringLiteral("file")), "x"));
        QVERIFY(!data_files::placeStarterFiles(root.path(), root.filePath("file/data")));
    }
};

QTEST_GUILESS_MAIN(DataFilesTest)
#include "data_files_test.moc"
