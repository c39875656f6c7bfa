#include "mail/mail_window.h"
#include "platform/colors.h"
#include "platform/twip_layout.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

// The diary, the address book and the mails, from the phrase list's command
// rows to the mail window and back.
class EntryModesTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<WindowFixture> f;

    void openCommandRow(int row) {
        f->c().cmdSamp->click();
        WindowFixture::tap(f->c().grdEx, row, 1);
        f->c().cmdDec->click();
    }
    void openDiary() { openCommandRow(0); }
    void openAddresses() { openCommandRow(1); }
    QString mode() { return f->c().cmdSamp->text(); }
    int textHeight() { return f->window().layout().rect(f->c().txtTalk).height; }
    // Acts on the mail window once it is up.
    void withMailWindow(std::function<void(MailWindow*)> act) {
        QTimer::singleShot(0, [act] {
            auto* window = qobject_cast<MailWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            act(window);
        });
    }

private slots:
    void init() { f = std::make_unique<WindowFixture>(); }
    void cleanup() { f.reset(); }

    void diaryDayIsWrittenAndStored() {
        f->writeFile("day.txt", {"26.12.03 くもり", "26.12.04 "});
        f->open();
        openDiary();
        Grid* grdDay = f->c().grdDay;
        QVERIFY(grdDay->isVisible());
        QCOMPARE(mode(), QString("日記終了"));
        QVERIFY(!f->c().cmdSampADD->isVisible() && !f->c().cmdSampDel->isVisible());
        QCOMPARE(WindowFixture::column(grdDay, 0), QStringList({"26.12.05", "26.12.04", "26.12.03"}));
        QVERIFY(f->c().fraTalk->isVisible());

        f->c().cmdDec->click(); // today's empty row
        QVERIFY(f->c().fraDay->isVisible() && !grdDay->isVisible());
        QCOMPARE(f->c().cmdBack->text(), QString("戻る"));
        QCOMPARE(f->c().cmdWide->text(), QString("狭める"));
        QCOMPARE(textHeight(), 11115 - 3630);
        f->c().cmdRevise->click();
        QCOMPARE(textHeight(), 2295);
        QVERIFY(f->c().grdBoard->isVisible());
        f->panel().setText("はれ");
        f->c().cmdSamp->click();
        QCOMPARE(f->fakes.asker.asked.last().message, QString("日記を登録して終了します"));
        QCOMPARE(f->readFile("day.txt"),
                 QStringList({"26.12.05 はれ", "26.12.04 ", "26.12.03 くもり"}));
        QCOMPARE(f->text(), QString("_"));
        QCOMPARE(mode(), QString("例文表示"));
    }

    void diaryAnswerNoKeepsTheTextAndBackShowsTheList() {
        f->open();
        openDiary();
        QCOMPARE(WindowFixture::column(f->c().grdDay, 0), QStringList({"26.12.05"}));
        f->c().cmdDec->click();
        f->panel().setText("あめ");
        f->c().cmdBack->click(); // "戻る": the list again, the text kept
        QVERIFY(f->c().grdDay->isVisible());
        QCOMPARE(f->text(), QString("あめ"));
        QCOMPARE(f->c().txtTalk->palette().color(QPalette::Base), bgrColor(colors::kHighlight));
        f->c().cmdDec->click();
        f->panel().setText("あめ");
        f->fakes.asker.answers = {false};
        f->c().cmdSamp->click();
        QCOMPARE(f->text(), QString("あめ_"));
        QVERIFY(!QFile::exists(f->dir.filePath("day.txt")));
    }

    void failedDiarySaveKeepsTextAndMode() {
        QVERIFY(QDir(f->dir.path()).mkdir("day.txt"));
        f->open();
        openDiary();
        f->c().cmdDec->click();
        f->panel().setText("はれ");
        f->c().cmdSamp->click();
        QCOMPARE(f->fakes.asker.asked.last().message, QString("「day.txt」を保存できませんでした。"));
        QCOMPARE(f->text(), QString("はれ_"));
        QCOMPARE(mode(), QString("日記終了"));
    }

    void addressThenMailToTheMailWindow() {
        f->writeFile("addres.txt", {"たなか、tanaka@example.jp"});
        f->writeFile("mail.txt", {"あしたは あめです"});
        f->open();
        openAddresses();
        QCOMPARE(mode(), QString("ﾒﾙｱﾄﾞ終了"));
        QCOMPARE(WindowFixture::column(f->c().grdAD, 0), QStringList({"", "た行"}));
        WindowFixture::tap(f->c().grdAD, 1, 1);
        f->c().cmdDec->click();
        QCOMPARE(f->text(), QString("たなか、tanaka@example.jp"));
        QCOMPARE(f->c().cmdBack->text(), QString("決定"));
        f->c().cmdBack->click(); // on to the mails
        QCOMPARE(f->window().state().mailName, QString("たなか"));
        QCOMPARE(f->window().state().mailAddress, QString("tanaka@example.jp"));
        QCOMPARE(mode(), QString("ﾒｰﾙ終了"));
        QCOMPARE(WindowFixture::column(f->c().grdMail, 0), QStringList({"", "あしたは あめです"}));

        WindowFixture::tap(f->c().grdMail, 1);
        f->c().cmdDec->click();
        QCOMPARE(f->text(), QString("あしたは あめです"));
        withMailWindow([](MailWindow* w) {
            QCOMPARE(w->lblName->text(), QString("たなか"));
            QCOMPARE(w->lblTop->text(), QString("あしたは あめです"));
            w->cmdSend->click();
            w->cmdEnd->click();
        });
        f->c().cmdBack->click();
        QCOMPARE(f->fakes.launcher.opened.size(), 1);
        QVERIFY(f->fakes.launcher.opened.first().toString(QUrl::FullyEncoded)
                    .startsWith("mailto:tanaka@example.jp?subject="));
        QVERIFY(f->c().fraDay->isVisible()); // still the mail entry
    }

    void mailWindowLabelsReturnToTheLists() {
        f->writeFile("addres.txt", {"やまだ,yamada@example.jp"});
        f->open();
        openAddresses();
        WindowFixture::tap(f->c().grdAD, 1, 1);
        f->c().cmdDec->click();
        f->c().cmdBack->click();
        f->c().cmdDec->click(); // a new mail
        f->panel().setText("こんにちは");
        withMailWindow([](MailWindow* w) { emit w->addressListWanted(); w->cmdEnd->click(); });
        f->c().cmdBack->click();
        QCOMPARE(mode(), QString("ﾒﾙｱﾄﾞ終了"));
        QVERIFY(f->c().grdAD->isVisible() && f->c().fraTalk->isVisible());
        QCOMPARE(f->text(), QString("こんにちは"));
    }

    void addressWithoutSeparatorIsRefused() {
        f->open();
        openAddresses();
        f->c().cmdDec->click();
        f->panel().setText("やまだ");
        f->c().cmdBack->click();
        QCOMPARE(f->fakes.asker.asked.last().message,
                 QString("名前、アドレスは、カンマで区切ってください。"));
        QVERIFY(f->c().fraDay->isVisible());
        f->c().cmdSamp->click(); // leaving is refused as well
        QCOMPARE(f->fakes.asker.asked.size(), 2);
        QCOMPARE(mode(), QString("ﾒﾙｱﾄﾞ終了"));
        QCOMPARE(f->text(), QString("やまだ_"));
    }

    void leavingStoresAddressAndMailOnlyAfterYes() {
        f->writeFile("addres.txt", {"やまだ,yamada@example.jp"});
        f->open();
        openAddresses();
        f->c().cmdDec->click();
        f->panel().setText("たなか,tanaka@example.jp_");
        f->c().cmdSamp->click();
        QCOMPARE(f->fakes.asker.asked.last().message, QString("メルアド登録して終了します"));
        QCOMPARE(f->readFile("addres.txt"),
                 QStringList({"たなか,tanaka@example.jp", "やまだ,yamada@example.jp"}));
        QCOMPARE(f->text(), QString("_"));

        openAddresses();
        WindowFixture::tap(f->c().grdAD, 1, 1);
        f->c().cmdDec->click();
        f->c().cmdBack->click();
        f->c().cmdDec->click();
        f->panel().setText("げんきです_");
        f->fakes.asker.answers = {false};
        f->c().cmdSamp->click();
        QCOMPARE(f->fakes.asker.asked.last().message, QString("メールを登録して終了します"));
        QVERIFY(!QFile::exists(f->dir.filePath("mail.txt")));
        QCOMPARE(f->text(), QString("_")); // "ＮＯ" empties it
    }
};

QTEST_MAIN(EntryModesTest)
#include "entry_modes_test.moc"
