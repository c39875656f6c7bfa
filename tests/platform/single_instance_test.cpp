#include "file_fixtures.h"
#include "platform/single_instance.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The lock is the data folder's: the program, run from a folder of its own
// (its data folder), meets a copy started on the same folder there, whatever
// their runtime folders, and starts when no lock can be made.
class SingleInstanceTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_app;
    QString program() const { return m_app.filePath("talk"); }

    // Starts the program with its own runtime and settings folders.
    void start(QProcess& process, const QString& runtime) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("XDG_CONFIG_HOME", m_app.filePath("config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.start(program(), {});
        QVERIFY(process.waitForStarted());
    }
    static void stop(QProcess& process) {
        process.kill();
        process.waitForFinished();
    }
    bool locked() {
        return SingleInstance(m_app.path()).acquire() != SingleInstance::Outcome::Acquired;
    }

private slots:
    void initTestCase() { QVERIFY(QFile::copy(TALK_EXECUTABLE, program())); }

    // A copy that crashed leaves its lock file behind: only a file, it does
    // not block. A lock is held for as long as its instance lives, and no
    // longer.
    void lockHeldUntilTheInstanceEnds() {
        QTemporaryDir folder;
        QVERIFY(writeBytes(SingleInstance::lockPath(folder.path()), "999999\ntalk\nhost\n"));
        auto first = std::make_unique<SingleInstance>(folder.path());
        QCOMPARE(first->acquire(), SingleInstance::Outcome::Acquired);
        SingleInstance second(folder.path());
        QCOMPARE(second.acquire(), SingleInstance::Outcome::HeldByAnother);
        first.reset();
        QCOMPARE(second.acquire(), SingleInstance::Outcome::Acquired);
    }

    // Two sessions with their own runtime folders on one data folder: the
    // second copy ends at once, with code 0 and no window.
    void secondCopyOnTheDataFolderEndsAtOnce() {
        QTemporaryDir runtimeA;
        QTemporaryDir runtimeB;
        QProcess first;
        start(first, runtimeA.path());
        QTRY_VERIFY_WITH_TIMEOUT(locked(), 20000);
        QProcess second;
        start(second, runtimeB.path());
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());
        QCOMPARE(first.state(), QProcess::Running);
        stop(first);
    }

    // A runtime folder that cannot be used plays no part; a lock that cannot
    // be made (a folder in its place) is said on standard error, and the
    // program starts anyway.
    void startsWhenNoLockCanBeMade() {
        QProcess unusableRuntime;
        start(unusableRuntime, "/nonexistent/runtime");
        QTRY_VERIFY_WITH_TIMEOUT(locked(), 20000);
        stop(unusableRuntime);

        QFile::remove(SingleInstance::lockPath(m_app.path()));
        QVERIFY(QDir(m_app.path()).mkdir("Talk.lock"));
        QTemporaryDir runtime;
        QProcess noLock;
        start(noLock, runtime.path());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += noLock.readAllStandardError())
                                     .contains("starting without the single-instance lock"),
                                 20000);
        QVERIFY(said.contains("Talk.lock"));
        QTest::qWait(500);
        QCOMPARE(noLock.state(), QProcess::Running);
        stop(noLock);
        QVERIFY(QDir(m_app.path()).rmdir("Talk.lock"));
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
