#include "platform/single_instance.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    // An instance that crashed leaves its lock behind; it must not block.
    void staleLockOfACrashedInstanceIsTakenOver() {
        QTemporaryDir dir;
        QFile lock(dir.filePath("Talk.lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        // the process id of an instance long gone, as the lock file records it
        lock.write("999999\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        SingleInstance next(dir.filePath("Talk.lock"));
        QVERIFY(next.acquire());
    }

    // The lock is held for as long as the instance lives, and no longer.
    void lockHeldUntilTheInstanceEnds() {
        QTemporaryDir dir;
        auto first = std::make_unique<SingleInstance>(dir.filePath("Talk.lock"));
        QVERIFY(first->acquire());
        SingleInstance second(dir.filePath("Talk.lock"));
        QVERIFY(!second.acquire());
        first.reset();
        QVERIFY(second.acquire());
    }

    // The program started while another instance runs ends without a window.
    void secondStartOfTheProgramEndsAtOnce() {
        QTemporaryDir runtime;
        SingleInstance running(runtime.filePath("Talk.lock"));
        QVERIFY(running.acquire());
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("XDG_CONFIG_HOME", runtime.filePath("config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        second.setProcessEnvironment(env);
        second.start(TALK_EXECUTABLE, {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
