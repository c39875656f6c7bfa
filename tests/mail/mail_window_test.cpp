#include "fakes.h"
#include "mail/mail_window.h"
#include "platform/desktop_url_launcher.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The mail window alone; the way through it from the lists is in entry_modes_test.
class MailWindowTest : public QObject {
    Q_OBJECT
    RecordingLauncher m_launcher;
    ScriptedAsker m_asker;

private slots:
    void init() {
        m_launcher = RecordingLauncher();
        m_asker = ScriptedAsker();
    }

    // A mail that cannot be handed over is noticed; the window stays open
    // with the mail, ready to try again. Neither the close box nor Escape
    // closes it; a finger on the subject does, once it is lifted.
    void onlyItsButtonsAndLabelsClose() {
        m_launcher.succeeds = false;
        MailWindow window(m_launcher, m_asker);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.fill(u"山田"_qs, "y@x.jp", u"明日は"_qs, u"明日は雨です"_qs);
        window.cmdSend->click();
        QCOMPARE(m_launcher.opened.size(), 1);
        QCOMPARE(m_asker.asked.size(), 1);
        QCOMPARE(m_asker.asked.first().message, u"メールを渡せませんでした。"_qs);
        QCOMPARE(m_asker.asked.first().style, 48);
        QCOMPARE(window.txtData->toPlainText(), u"明日は雨です"_qs);

        QVERIFY(!window.close());
        QTest::keyClick(&window, Qt::Key_Escape);
        QSignalSpy address(&window, &MailWindow::addressListWanted);
        QSignalSpy mail(&window, &MailWindow::mailListWanted);
        const QPoint centre = window.lblTop->rect().center();
        const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
        QTest::touchEvent(&window, screen.get()).press(0, centre, window.lblTop);
        QVERIFY(window.isVisible() && mail.isEmpty());
        QTest::touchEvent(&window, screen.get()).release(0, centre, window.lblTop);
        QCOMPARE(mail.size(), 1);
        QVERIFY(address.isEmpty() && !window.isVisible());
    }

    // The real path: QDesktopServices runs the first xdg-open on the PATH with
    // the URL as its one argument. A mail longer than the system passes to a
    // program (128 KiB for one argument, about 14 500 kana) does not start it:
    // the launcher says so and the user is told. The offscreen platform opens
    // no URLs; the mail_window_xdg_open test runs this on X11 under a virtual
    // display.
    void desktopLauncherHandsTheUrlToXdgOpen_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QByteArray>("received"); // empty: not handed over
        QTest::newRow("mail") << u"a&b #c\n明日は雨です"_qs
                              << QByteArray("1\nmailto:y@x.jp?subject=%E6%98%8E%E6%97%A5%E3%81%AF&"
                                            "body=a%26b%20%23c%0D%0A%E6%98%8E%E6%97%A5%E3%81%AF%E9%"
                                            "9B%A8%E3%81%A7%E3%81%99\n");
        QTest::newRow("too long") << QString(15000, QChar(u'あ')) << QByteArray();
    }
    void desktopLauncherHandsTheUrlToXdgOpen() {
        if (QGuiApplication::platformName() == "offscreen")
            QSKIP("needs a display: run by mail_window_xdg_open");
        QFETCH(QString, body);
        QFETCH(QByteArray, received);
        QTemporaryDir folder;
        const QString output = folder.filePath("received");
        installXdgOpen(output);
        DesktopUrlLauncher launcher;
        MailWindow window(launcher, m_asker);
        window.fill(u"山田"_qs, "y@x.jp", u"明日は"_qs, body);
        window.cmdSend->click();
        if (received.isEmpty()) {
            QCOMPARE(m_asker.asked.size(), 1);
            QCOMPARE(m_asker.asked.first().message, u"メールを渡せませんでした。"_qs);
            return;
        }
        QFile result(output);
        QTRY_VERIFY(result.exists());
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll(), received);
        QVERIFY(m_asker.asked.isEmpty());
    }

private:
    // Puts an xdg-open first on the PATH that writes its arguments into the
    // file `received`.
    static void installXdgOpen(const QString& received) {
        const QString folder = QFileInfo(received).path();
        QFile script(folder + "/xdg-open");
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '%1.part'\n"
                             "mv '%1.part' '%1'\n")
                         .arg(received)
                         .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("PATH", folder.toUtf8() + ':' + qgetenv("PATH"));
    }
};

QTEST_MAIN(MailWindowTest)
#include "mail_window_test.moc"
