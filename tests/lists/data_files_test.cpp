#include "file_fixtures.h"
#include "lists/data_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The starter data files an installed program copies into the user's data
// folder: only those missing, never over the user's own.
class DataFilesTest : public QObject {
    Q_OBJECT
private slots:
    void starterFilesFillOnlyWhatIsMissing() {
        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("share/talk"));
        const QString data = root.filePath(QStringLiteral("home/.local/share/Talk"));
        QVERIFY(QDir().mkpath(program));
        for (const QString& name : data_files::kAll) {
            QVERIFY(writeBytes(program + '/' + name, "starter " + name.toUtf8()));
            // installed files are read-only to the user
            QVERIFY(QFile::setPermissions(program + '/' + name, QFile::ReadOwner | QFile::ReadUser |
                                                                    QFile::ReadGroup |
                                                                    QFile::ReadOther));
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
