#include "lists/list_panel.h"
#include "platform/colors.h"
#include "window_fixture.h"

#include <QDir>
#include <QFrame>
#include <QPushButton>

// The phrase candidates, the phrase list and registration, driven through
// the window's buttons.
class ListPanelTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<WindowFixture> f;
    const QString kPlaceholder = "ああああ日記ダミー消さないでね！";

    void open(const QStringList& phrases, const QMap<QString, QString>& options = {}) {
        f->writeFile("Talk.txt", QStringList{kPlaceholder, kPlaceholder} + phrases);
        f->fakes.store.values = options;
        f->open();
    }
    QStringList phrases() { return WindowFixture::column(f->c().grdEx, 1); }
    bool highlighted(Grid* grid, int row, int col) {
        return grid->cells().color(row, col) == bgrColor(colors::kHighlight);
    }

private slots:
    void init() { f = std::make_unique<WindowFixture>(); }
    void cleanup() { f.reset(); }

    void candidatesFollowTheLastCharacters() {
        open({"ありがとう", "ありがとうございます", "あめ", "いいえ"}, {{"OPT1", "2"}});
        Grid* grdSp = f->c().grdSp;
        f->tapBoard("あ");
        QVERIFY(grdSp->isVisible());
        QVERIFY(!f->c().grdBoard->isVisible());
        QVERIFY(f->c().fraTalk->isVisible());
        // row 0 is the key; the placeholder is never offered
        QCOMPARE(WindowFixture::column(grdSp, 0),
                 QStringList({"あ", "ありがとう", "ありがとうございます", "あめ"}));
        QVERIFY(highlighted(grdSp, 0, 0));
        f->c().cmdDec->click(); // row 0 puts the typed text back
        QCOMPARE(f->text(), QString("あ_"));
        QVERIFY(f->c().grdBoard->isVisible());

        f->tapBoard("り");
        QCOMPARE(WindowFixture::column(grdSp, 0),
                 QStringList({"あり", "ありがとう", "ありがとうございます"}));
        WindowFixture::tap(grdSp, 2);
        QVERIFY(highlighted(grdSp, 2, 0) && !highlighted(grdSp, 0, 0));
        f->c().cmdDec->click();
        QCOMPARE(f->text(), QString("ありがとうございます_"));
        QCOMPARE(f->panel().selStart(), 10);
        QCOMPARE(f->panel().selLength(), 1);
    }

    void noCandidatesAwayFromTheEndOrWithoutAMatch() {
        open({"いいえ"}, {{"OPT1", "2"}});
        f->tapBoard("う");
        QVERIFY(!f->c().grdSp->isVisible());
        QVERIFY(f->c().fraRes->isVisible());
        f->panel().select(0, 1);
        f->tapBoard("い");
        QCOMPARE(f->text(), QString("いう_"));
        QVERIFY(!f->c().grdSp->isVisible());
    }

    void phraseListOpensWithCommandRowsAndInsertsAtTheCaret() {
        open({"おはよう", "1ばん"});
        f->panel().setText("あい_");
        f->panel().setCaret(1);
        f->c().cmdSamp->click();
        Grid* grdEx = f->c().grdEx;
        QVERIFY(grdEx->isVisible());
        QCOMPARE(f->c().cmdSamp->text(), QString("例文終了"));
        QVERIFY(f->c().cmdSampDel->isVisible() && !f->c().cmdSampADD->isVisible());
        // the command rows stay on top even with a phrase that sorts before them
        QCOMPARE(phrases(), QStringList({"日記", "メール", "1ばん", "おはよう"}));
        QCOMPARE(WindowFixture::column(grdEx, 0), QStringList({"あ行", "", "", ""}));
        QVERIFY(highlighted(grdEx, 0, 1) && !highlighted(grdEx, 0, 0));
        QCOMPARE(f->window().state().selectedRow, 0);

        f->c().cmdDown->pressed(); // "▽" once
        f->c().cmdDown->released();
        f->c().cmdDown->pressed();
        f->c().cmdDown->released();
        f->c().cmdDown->pressed();
        f->c().cmdDown->released();
        QCOMPARE(f->window().state().selectedRow, 3);
        f->c().cmdDec->click();
        QCOMPARE(f->text(), QString("あおはようい_"));
        QCOMPARE(f->panel().selStart(), 5);
        QCOMPARE(f->c().cmdSamp->text(), QString("例文表示"));
        QVERIFY(f->c().grdBoard->isVisible() && !grdEx->isVisible());
    }

    void leavingThePhraseListKeepsTheTextAndAddsTheMarker() {
        open({});
        f->panel().setText("あい");
        f->c().cmdSamp->click();
        f->c().cmdSamp->click();
        QCOMPARE(f->text(), QString("あい_"));
        QCOMPARE(f->c().cmdSamp->text(), QString("例文表示"));
        QVERIFY(f->c().fraRes->isVisible() && !f->c().fraTalk->isVisible());
    }

    void registeringStoresTheTrimmedTextAndShowsIt() {
        open({"おはよう"});
        f->panel().setText(" あいう _");
        f->c().cmdSampADD->click();
        QCOMPARE(f->readFile("Talk.txt"),
                 QStringList({kPlaceholder, kPlaceholder, "おはよう", "あいう"}));
        Grid* grdEx = f->c().grdEx;
        QVERIFY(grdEx->isVisible());
        QCOMPARE(phrases(), QStringList({"日記", "メール", "あいう", "おはよう"}));
        QCOMPARE(f->window().state().selectedRow, 2);
        QVERIFY(highlighted(grdEx, 2, 1));
        QCOMPARE(grdEx->columnWidthTwips(0), 2500);
        QCOMPARE(f->text(), QString(" あいう _"));

        // the same phrase with other blanks is refused
        f->panel().setText("あいう   ");
        f->c().cmdSampADD->click();
        QCOMPARE(f->fakes.asker.asked.last().message, QString("同一文が登録されています"));
        QCOMPARE(f->readFile("Talk.txt").size(), 4);
    }

    void deletingEmptiesTheRowAfterAsking() {
        open({"おはよう", "こんにちは"});
        f->c().cmdSamp->click();
        f->c().cmdSampDel->click(); // a command row: nothing asked
        QVERIFY(f->fakes.asker.asked.isEmpty());
        WindowFixture::tap(f->c().grdEx, 3, 1);
        f->fakes.asker.answers = {false};
        f->c().cmdSampDel->click();
        QCOMPARE(f->c().grdEx->text(3, 1), QString("こんにちは"));
        f->c().cmdSampDel->click();
        QCOMPARE(f->fakes.asker.asked.last().message, QString("上記例文を削除してもいいですか？"));
        QCOMPARE(f->c().grdEx->text(3, 1), QString());
        QVERIFY(highlighted(f->c().grdEx, 3, 1));
        QCOMPARE(f->readFile("Talk.txt"), QStringList({kPlaceholder, kPlaceholder, "おはよう"}));
    }

    // The list is kept between showings while Talk.txt is unchanged; a change
    // to the file, the window's own deletions included, is read on reopening.
    void reopenedListFollowsTheFile() {
        open({"おはよう", "こんにちは", "さようなら"});
        Grid* grdEx = f->c().grdEx;
        f->c().cmdSamp->click();
        f->c().cmdDown->pressed();
        f->c().cmdDown->released();
        f->c().cmdDown->pressed();
        f->c().cmdDown->released();
        QVERIFY(highlighted(grdEx, 2, 1));
        f->c().cmdSamp->click();
        f->c().cmdSamp->click(); // unchanged: only the first row is marked
        QVERIFY(highlighted(grdEx, 0, 1));
        QVERIFY(!highlighted(grdEx, 2, 1));
        QCOMPARE(phrases(),
                 QStringList({"日記", "メール", "おはよう", "こんにちは", "さようなら"}));

        WindowFixture::tap(grdEx, 3, 1);
        f->c().cmdSampDel->click();
        QCOMPARE(grdEx->text(3, 1), QString());
        f->c().cmdSamp->click();
        f->c().cmdSamp->click(); // the emptied row is gone
        QCOMPARE(phrases(), QStringList({"日記", "メール", "おはよう", "さようなら"}));

        f->c().cmdSamp->click();
        f->writeFile("Talk.txt", {kPlaceholder, kPlaceholder, "あめ"});
        f->c().cmdSamp->click();
        QCOMPARE(phrases(), QStringList({"日記", "メール", "あめ"}));
        QCOMPARE(f->window().state().phraseTexts,
                 QStringList({kPlaceholder, kPlaceholder, "あめ"}));
    }

    void startingOverAsksFirst() {
        open({}, {{"OPT1", "2"}});
        f->tapBoard("か");
        f->fakes.asker.answers = {false};
        f->c().cmdStart->click();
        QCOMPARE(f->text(), QString("か_"));
        f->c().cmdStart->click();
        QCOMPARE(f->fakes.asker.asked.last().title, QString("例文登録"));
        QCOMPARE(f->text(), QString());
        QCOMPARE(f->c().grdBoard->cells().color(0, 8), bgrColor(colors::kWhite));
    }

    // A folder where the phrase book should be: the save fails and says so.
    void failedSaveIsReported() {
        QVERIFY(QDir(f->dir.path()).mkdir("Talk.txt"));
        f->open();
        f->panel().setText("あいう_");
        f->c().cmdSampADD->click();
        QCOMPARE(f->fakes.asker.asked.size(), 1);
        QCOMPARE(f->fakes.asker.asked.first().message,
                 QString("「Talk.txt」を保存できませんでした。"));
        QCOMPARE(f->fakes.asker.asked.first().style, 48);
        QCOMPARE(f->text(), QString("あいう_"));
    }
};

QTEST_MAIN(ListPanelTest)
#include "list_panel_test.moc"
