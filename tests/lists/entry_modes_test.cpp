#include "mail/mail_window.h"
#include "window_fixture.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

// The diary, the address book and the mails, from the phrase list's command
// rows to the mail window and back.
class EntryModesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    QString mode() { return f->c().cmdSamp->text(); }
    QList<ScriptedAsker::Question>& asked() { return f->fakes.asker.asked; }

private slots:
    void init() { f = std::make_unique<WindowFixture>(); }
    void cleanup() { f.reset(); }

    // "いいえ" keeps the text and stores nothing; "はい" stores it on today's
    // new row. A day stored after today (the clock was once ahead) stays
    // above today's row, which is the one chosen and opened.
    void diaryDayIsStoredOnlyAfterYes() {
        f->writeFile("day.txt", {"27.01.09 みらい", "26.12.03 くもり", "26.12.04 "});
        f->open();
        for (const bool yes : {false, true}) {
            f->c().cmdSamp->click();
            WindowFixture::tap(f->c().grdEx, 0, 1);
            f->c().cmdDec->click();
            QCOMPARE(f->window().state().selectedRow, 1); // today's row
            f->c().cmdDec->click();
            QCOMPARE(f->window().state().openedRow, 1);
            QCOMPARE(f->c().cmdWide->text(), QString("狭める")); // the opened day is tall
            f->panel().setText("はれ");
            f->fakes.asker.answers = {yes};
            f->c().cmdSamp->click();
            QCOMPARE(f->c().cmdWide->text(), QString("広げる"));
            QCOMPARE(asked().last().message, QString("日記を登録して終了します"));
            QCOMPARE(f->text(), yes ? QString("_") : QString("はれ_"));
            QCOMPARE(mode(), QString("例文表示"));
            QCOMPARE(f->readFile("day.txt").at(1), yes ? "26.12.05 はれ" : "26.12.03 くもり");
        }
        QCOMPARE(f->readFile("day.txt"),
                 QStringList({"27.01.09 みらい", "26.12.05 はれ", "26.12.04 ", "26.12.03 くもり"}));
    }

    // Through the mail window and back by each of its labels, or "終了".
    void mailWindowAndBack_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("mode");
        QTest::newRow("name") << u"lblName"_qs << u"ﾒﾙｱﾄﾞ終了"_qs;
        QTest::newRow("address") << u"lblMail"_qs << u"ﾒﾙｱﾄﾞ終了"_qs;
        QTest::newRow("subject") << u"lblTop"_qs << u"ﾒｰﾙ終了"_qs;
        QTest::newRow("end") << u"cmdEnd"_qs << u"ﾒｰﾙ終了"_qs;
    }
    void mailWindowAndBack() {
        QFETCH(QString, control);
        QFETCH(QString, mode);
        f->writeFile("addres.txt", {"たなか、tanaka@example.jp"});
        f->writeFile("mail.txt", {"あしたは あめです"});
        f->open();
        f->openMails(1);
        // the mail list stands over the text panel, which stays tall
        Grid* grdMail = f->c().grdMail;
        QCOMPARE(f->window().childAt(grdMail->geometry().center()), grdMail->viewport());
        WindowFixture::tap(grdMail, 1);
        f->c().cmdDec->click();
        WindowFixture::whenModal([control](QWidget* dialog) {
            auto* w = qobject_cast<MailWindow*>(dialog);
            QVERIFY(w);
            QCOMPARE(w->lblName->text(), QString("たなか"));
            QCOMPARE(w->lblTop->text(), QString("あしたは あめです"));
            w->cmdSend->click();
            auto* target = w->findChild<QWidget*>(control);
            QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        });
        f->c().cmdBack->click(); // "決定"
        QCOMPARE(f->fakes.launcher.opened.size(), 1);
        QVERIFY(f->fakes.launcher.opened.first().toString().startsWith(
            "mailto:tanaka@example.jp?subject="));
        QCOMPARE(this->mode(), mode);
        QCOMPARE(f->c().fraDay->isVisible(), control == "cmdEnd"); // "終了" stays on the mail
        QCOMPARE(f->text(), QString("あしたは あめです"));
    }

    void addressWithoutSeparatorIsRefused() {
        f->open();
        f->openEntry(1);
        f->panel().setText("やまだ");
        f->c().cmdBack->click();
        QCOMPARE(asked().last().message, QString("名前、アドレスは、カンマで区切ってください。"));
        QVERIFY(f->c().fraDay->isVisible());
        f->c().cmdSamp->click(); // leaving is refused as well
        QCOMPARE(asked().size(), 2);
        QCOMPARE(mode(), QString("ﾒﾙｱﾄﾞ終了"));
        QCOMPARE(f->text(), QString("やまだ_"));
    }

    // New entries on row 0 are stored after "はい"; "いいえ" stores nothing. Either
    // way the text is emptied.
    void newAddressAndMailStoredOnlyAfterYes() {
        f->writeFile("addres.txt", {"やまだ,yamada@example.jp"});
        f->open();
        for (const bool yes : {false, true}) {
            f->openEntry(1);
            f->panel().setText("たなか,tanaka@example.jp_");
            f->fakes.asker.answers = {yes};
            f->c().cmdSamp->click();
            QCOMPARE(asked().last().message, QString("メルアド登録して終了します"));
            QCOMPARE(f->text(), QString("_"));
            f->openMails(1);
            f->c().cmdDec->click();
            f->panel().setText("げんきです_");
            f->fakes.asker.answers = {yes};
            f->c().cmdSamp->click();
            QCOMPARE(asked().last().message, QString("メールを登録して終了します"));
            QCOMPARE(f->text(), QString("_"));
        }
        QCOMPARE(f->readFile("addres.txt"),
                 QStringList({"たなか,tanaka@example.jp", "やまだ,yamada@example.jp"}));
        QCOMPARE(f->readFile("mail.txt"), QStringList({"げんきです_"}));
    }
};

QTEST_MAIN(EntryModesTest)
#include "entry_modes_test.moc"
