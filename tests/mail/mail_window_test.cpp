#include "fakes.h"
#include "mail/mail_window.h"
#include "platform/back_color.h"
#include "platform/desktop_url_launcher.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>
#include <QtTest>

class MailWindowTest : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void windowAtScale();
    void sendOpensUrl_data();
    void sendOpensUrl();
    void wholeTextArrives();
    void onlyItsButtonsAndLabelsClose();
    void endClosesTheModalWindow();
    void labelTaps_data();
    void labelTaps();
    void desktopLauncherHandsTheUrlToXdgOpen();
};

void MailWindowTest::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("caption");
    QTest::newRow("lbladd(0)") << "lbladd(0)" << QRect(24, 8, 161, 73) << u"宛先："_qs;
    QTest::newRow("lbladd(1)") << "lbladd(1)" << QRect(24, 104, 161, 65) << u"件名："_qs;
    QTest::newRow("lblName") << "lblName" << QRect(216, 8, 779, 49) << u"クリックして"_qs;
    QTest::newRow("lblTop") << "lblTop" << QRect(216, 120, 779, 49) << u"クリックして"_qs;
    QTest::newRow("txtData") << "txtData" << QRect(16, 184, 979, 447) << QString();
    QTest::newRow("cmdSend") << "cmdSend" << QRect(60, 652, 705, 57) << u"送\u3000\u3000信"_qs;
    QTest::newRow("cmdEnd") << "cmdEnd" << QRect(820, 652, 131, 57) << u"終了"_qs;
}

void MailWindowTest::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(QString, caption);
    RecordingLauncher launcher;
    MailWindow window(launcher);
    auto* widget = window.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), pixels);
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), caption);
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), caption);
    else
        QCOMPARE(qobject_cast<QPlainTextEdit*>(widget)->toPlainText(), caption);
}

void MailWindowTest::windowAtScale() {
    RecordingLauncher launcher;
    MailWindow window(launcher, 2.0);
    QCOMPARE(window.objectName(), "frmMail");
    QCOMPARE(window.windowTitle(), u"メール送信！"_qs);
    QCOMPARE(window.size(), QSize(2036, 1482));
    QCOMPARE(window.lblMail->geometry(), QRect(432, 128, 1558, 98));
    QCOMPARE(window.lbladd[0]->font().pixelSize(), 128);
    QCOMPARE(backColor(&window), QColor(0x80, 0x80, 0xFF));
    QCOMPARE(backColor(window.lblTop), QColor(Qt::white));
}

void MailWindowTest::sendOpensUrl_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QByteArray>("url");
    QTest::newRow("empty address")
        << QString() << QByteArray("mailto:?subject=%E4%BB%B6%E5%90%8D&body=%E6%9C%AC%E6%96%87");
    QTest::newRow("address")
        << "y@x.jp"
        << QByteArray("mailto:y@x.jp?subject=%E4%BB%B6%E5%90%8D&body=%E6%9C%AC%E6%96%87");
    QTest::newRow("already prefixed")
        << "MAILTO:x@y"
        << QByteArray("mailto:x@y?subject=%E4%BB%B6%E5%90%8D&body=%E6%9C%AC%E6%96%87");
}

// Each press opens the mail program again; the window stays open.
void MailWindowTest::sendOpensUrl() {
    QFETCH(QString, address);
    QFETCH(QByteArray, url);
    RecordingLauncher launcher;
    MailWindow window(launcher);
    window.fill(u"山田"_qs, address, u"件名"_qs, u"本文"_qs);
    window.show();
    window.cmdSend->click();
    window.cmdSend->click();
    QCOMPARE(launcher.opened.size(), 2);
    QCOMPARE(launcher.opened[0].toEncoded(), url);
    QCOMPARE(launcher.opened[1].toEncoded(), url);
    QVERIFY(window.isVisible());
}

// Text that would end the body early, add a field or start a fragment arrives
// whole; line breaks arrive as CR LF.
void MailWindowTest::wholeTextArrives() {
    RecordingLauncher launcher;
    MailWindow window(launcher);
    const QString subject = u"明日は a&b#?"_qs;
    window.fill(u"山田"_qs, "y@x.jp", subject, u"a&cc=z@y #1 100% x+y\n明日は雨です\r\n終"_qs);
    window.cmdSend->click();
    QCOMPARE(launcher.opened.size(), 1);
    const QUrl url = launcher.opened[0];
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), "mailto");
    QCOMPARE(url.path(), "y@x.jp");
    QVERIFY(!url.hasFragment());
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems().size(), 2);
    QCOMPARE(query.queryItemValue("subject", QUrl::FullyDecoded), subject);
    QCOMPARE(query.queryItemValue("body", QUrl::FullyDecoded),
             u"a&cc=z@y #1 100% x+y\r\n明日は雨です\r\n終"_qs);
}

void MailWindowTest::onlyItsButtonsAndLabelsClose() {
    RecordingLauncher launcher;
    MailWindow window(launcher);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.close());
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
}

void MailWindowTest::endClosesTheModalWindow() {
    RecordingLauncher launcher;
    MailWindow window(launcher);
    QSignalSpy address(&window, &MailWindow::addressListWanted);
    QSignalSpy mail(&window, &MailWindow::mailListWanted);
    QTimer::singleShot(0, window.cmdEnd, &QPushButton::click);
    window.exec();
    QVERIFY(!window.isVisible());
    QCOMPARE(address.size() + mail.size(), 0);
    QVERIFY(launcher.opened.isEmpty());
}

void MailWindowTest::labelTaps_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("touch");
    QTest::addColumn<bool>("mailList");
    for (const bool touch : {false, true}) {
        const char* how = touch ? " touch" : " mouse";
        QTest::newRow(QByteArray("lblName") + how) << "lblName" << touch << false;
        QTest::newRow(QByteArray("lblMail") + how) << "lblMail" << touch << false;
        QTest::newRow(QByteArray("lblTop") + how) << "lblTop" << touch << true;
    }
}

void MailWindowTest::labelTaps() {
    QFETCH(QString, label);
    QFETCH(bool, touch);
    QFETCH(bool, mailList);
    RecordingLauncher launcher;
    MailWindow window(launcher);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy address(&window, &MailWindow::addressListWanted);
    QSignalSpy mail(&window, &MailWindow::mailListWanted);
    auto* target = window.findChild<QLabel*>(label);
    const QPoint centre = target->rect().center();
    if (touch) {
        static QPointingDevice* screen = QTest::createTouchDevice();
        QTest::touchEvent(&window, screen).press(0, centre, target);
        QVERIFY(window.isVisible());
        QTest::touchEvent(&window, screen).release(0, centre, target);
    } else {
        QTest::mouseClick(target, Qt::LeftButton, {}, centre);
    }
    QCOMPARE(address.size(), mailList ? 0 : 1);
    QCOMPARE(mail.size(), mailList ? 1 : 0);
    QVERIFY(!window.isVisible());
}

// The real path: QDesktopServices runs the first xdg-open on the PATH with the
// URL as its one argument. The offscreen platform opens no URLs, so the check
// runs again in a child process on the X11 platform under a virtual display.
void MailWindowTest::desktopLauncherHandsTheUrlToXdgOpen() {
    if (!qEnvironmentVariableIsSet("TALK_XDG_OPEN_CHILD")) {
        const QString xvfbRun = QStandardPaths::findExecutable("xvfb-run");
        if (xvfbRun.isEmpty())
            QSKIP("xvfb-run is not installed");
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("TALK_XDG_OPEN_CHILD", "1");
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(xvfbRun, {"-a", QCoreApplication::applicationFilePath(),
                              "desktopLauncherHandsTheUrlToXdgOpen"});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 output.constData());
        QVERIFY2(output.contains("PASS   : MailWindowTest::desktopLauncherHandsTheUrlToXdgOpen()"),
                 output.constData());
        return;
    }

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray received = folder.filePath("received").toUtf8();
    QFile script(folder.filePath("xdg-open"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + received + ".part'\nmv '" +
                 received + ".part' '" + received + "'\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    qputenv("PATH", folder.path().toUtf8() + ':' + qgetenv("PATH"));

    RecordingLauncher recorder;
    MailWindow window(recorder);
    window.fill(u"山田"_qs, "y@x.jp", u"明日は"_qs, u"a&b #c\n明日は雨です"_qs);
    window.cmdSend->click();
    QCOMPARE(recorder.opened.size(), 1);
    DesktopUrlLauncher launcher;
    launcher.open(recorder.opened[0]);

    QFile result(QString::fromUtf8(received));
    QTRY_VERIFY(result.exists());
    QVERIFY(result.open(QIODevice::ReadOnly));
    QCOMPARE(result.readAll(),
             "1\nmailto:y@x.jp?subject=%E6%98%8E%E6%97%A5%E3%81%AF&body=a%26b%20%23c%"
             "0D%0A%E6%98%8E%E6%97%A5%E3%81%AF%E9%9B%A8%E3%81%A7%E3%81%99\n");
}

QTEST_MAIN(MailWindowTest)
#include "mail_window_test.moc"
