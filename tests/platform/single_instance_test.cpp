#include "platform/single_instance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHostInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void onlyOneHoldsTheLock() {
        QTemporaryDir dir;
        SingleInstance first(dir.filePath("Talk.lock"));
        SingleInstance second(dir.filePath("Talk.lock"));
        QVERIFY(first.acquire());
        QVERIFY(!second.acquire());
    }

    // An instance that crashed leaves its lock behind; it must not block.
    void staleLockOfACrashedInstanceIsTakenOver() {
        QTemporaryDir dir;
        QProcess gone;
        gone.start("true");
        QVERIFY(gone.waitForFinished());
        QFile lock(dir.filePath("Talk.lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(gone.processId() ? gone.processId() : 999999) + "\n" +
                   QCoreApplication::applicationName().toUtf8() + "\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        SingleInstance next(dir.filePath("Talk.lock"));
        QVERIFY(next.acquire());
    }

    // The program started while another instance runs ends without a window.
    void secondStartOfTheProgramEndsAtOnce() {
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
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
