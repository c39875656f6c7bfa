#include "file_fixtures.h"
#include "lists/list_panel.h"
#include "platform/colors.h"
#include "window_fixture.h"

#include <QFrame>
#include <QPushButton>

// The phrase candidates, the phrase list and registration, driven through
// the window's buttons.
class ListPanelTest : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;
    const QString kPlaceholder = "ああああ日記ダミー消さないでね！";

    void open(const QStringList& phrases, const QMap<QString, QString>& options = {}) {
        f->writeFile("Talk.txt", QStringList{kPlaceholder, kPlaceholder} + phrases);
        f->fakes.store.values = options;
        f->open();
    }
    QStringList phrases() { return WindowFixture::column(f->c().grdEx, 1); }
    QStringList candidates() { return WindowFixture::column(f->c().grdSp, 0); }
    QList<ScriptedAsker::Question>& asked() { return f->fakes.asker.asked; }
    static bool highlighted(Grid* grid, int row, int col) {
        return grid->cells().color(row, col) == bgrColor(colors::kHighlight);
    }

private slots:
    void init() { f = std::make_unique<WindowFixture>(); }
    void cleanup() { f.reset(); }

    void candidatesFollowTheLastCharacters() {
        open({"ありがとう", "ありがとうございます", "あめ", "いいえ"}, {{"OPT1", "2"}});
        Grid* grdSp = f->c().grdSp;
        f->tapBoard("あ");
        QVERIFY(grdSp->isVisible() && !f->c().grdBoard->isVisible());
        // row 0 is the key; the placeholder is never offered
        QCOMPARE(candidates(), QStringList({"あ", "ありがとう", "ありがとうございます", "あめ"}));
        QVERIFY(highlighted(grdSp, 0, 0));
        f->c().cmdDec->click(); // row 0 puts the typed text back
        QCOMPARE(f->text(), QString("あ_"));
        QVERIFY(f->c().grdBoard->isVisible());

        f->tapBoard("り");
        WindowFixture::tap(grdSp, 2);
        QVERIFY(highlighted(grdSp, 2, 0) && !highlighted(grdSp, 0, 0));
        f->c().cmdDec->click();
        QCOMPARE(f->text(), QString("ありがとうございます_"));
        QCOMPARE(f->panel().selStart(), 10);

        f->fakes.asker.answers = {false};
        f->c().cmdStart->click(); // "始め" answered "キャンセル"
        QCOMPARE(f->text(), QString("ありがとうございます_"));
        f->c().cmdStart->click();
        QCOMPARE(f->text(), QString());
        QCOMPARE(f->c().grdBoard->cells().color(0, 8), bgrColor(colors::kWhite));
    }

    void phraseListInsertsAtTheCaret() {
        open({"おはよう", "1ばん"});
        f->panel().setText("あい_");
        f->panel().setCaret(1);
        f->c().cmdSamp->click();
        Grid* grdEx = f->c().grdEx;
        QCOMPARE(f->c().cmdSamp->text(), QString("例文終了"));
        // the command rows stay on top even with a phrase that sorts before them
        QCOMPARE(phrases(), QStringList({"日記", "メール", "1ばん", "おはよう"}));
        QVERIFY(highlighted(grdEx, 0, 1) && !highlighted(grdEx, 0, 0));
        WindowFixture::tap(grdEx, 3, 0);
        QVERIFY(highlighted(grdEx, 3, 1) && !highlighted(grdEx, 3, 0) && !highlighted(grdEx, 0, 1));
        f->c().cmdDec->click();
        QCOMPARE(f->text(), QString("あおはようい_"));
        QCOMPARE(f->panel().selStart(), 5);
        QVERIFY(f->c().grdBoard->isVisible() && !grdEx->isVisible());

        f->c().cmdSamp->click();
        f->panel().setText("あい");
        f->c().cmdSamp->click(); // "例文終了" keeps the text and adds the end marker
        QCOMPARE(f->text(), QString("あい_"));
        QCOMPARE(f->c().cmdSamp->text(), QString("例文表示"));
        QVERIFY(f->c().fraRes->isVisible() && !grdEx->isVisible());
    }

    // Registering stores the trimmed text and shows it; deleting empties the row.
    void registeringAndDeleting() {
        open({"おはよう"});
        f->panel().setText(" あいう _");
        f->c().cmdSampADD->click();
        QCOMPARE(f->readFile("Talk.txt"),
                 QStringList({kPlaceholder, kPlaceholder, "おはよう", "あいう"}));
        QVERIFY(f->c().grdEx->isVisible());
        QCOMPARE(phrases(), QStringList({"日記", "メール", "あいう", "おはよう"}));
        QVERIFY(highlighted(f->c().grdEx, 2, 1));
        QCOMPARE(f->text(), QString(" あいう _"));

        f->panel().setText("あいう   "); // the same phrase with other blanks
        f->c().cmdSampADD->click();
        QCOMPARE(asked().last().message, QString("同一文が登録されています"));
        // The empty phrase stores nothing; the list starts again from row 0, so
        // no phrase stays chosen unseen for "例文削除".
        f->panel().setText("_");
        f->c().cmdSampADD->click();
        QCOMPARE(asked().size(), 1);
        QCOMPARE(f->readFile("Talk.txt"),
                 QStringList({kPlaceholder, kPlaceholder, "あいう", "おはよう"}));
        QCOMPARE(f->window().state().selectedRow, 0);
        for (int row = 1; row < f->c().grdEx->rows(); ++row)
            QVERIFY(!highlighted(f->c().grdEx, row, 1));
        f->c().cmdSampDel->click(); // row 0 is a command row: nothing asked
        QCOMPARE(asked().size(), 1);

        WindowFixture::tap(f->c().grdEx, 3, 1);
        f->fakes.asker.answers = {false};
        f->c().cmdSampDel->click();
        QCOMPARE(f->c().grdEx->text(3, 1), QString("おはよう"));
        f->c().cmdSampDel->click();
        QCOMPARE(asked().last().message, QString("上記例文を削除してもいいですか？"));
        QCOMPARE(f->c().grdEx->text(3, 1), QString());
        QVERIFY(highlighted(f->c().grdEx, 3, 1));
        QCOMPARE(f->readFile("Talk.txt"), QStringList({kPlaceholder, kPlaceholder, "あいう"}));
    }

    // The very first registration after start, on a list that has never been
    // shown: the new phrase is chosen, marked and scrolled to the top, so
    // that "決定" and "例文削除" act on a row the user sees.
    void firstRegistrationShowsTheNewPhraseAtTheTop() {
        open({"あい", "あお", "あか", "あさ", "いえ", "いけ", "えき", "おか", "かさ", "きく",
              "さけ", "たこ"},
             {{"OPT1", "2"}, {"Samp", "0"}});
        f->tapBoard("う");
        f->tapBoard("み");
        f->c().cmdSampADD->click();
        Grid* grdEx = f->c().grdEx;
        const int row = phrases().indexOf("うみ");
        QCOMPARE(row, 8);
        QCOMPARE(f->window().state().selectedRow, row);
        QVERIFY(highlighted(grdEx, row, 1));
        QTRY_COMPARE(grdEx->topRow(), row);
        QVERIFY(grdEx->viewport()->rect().contains(grdEx->cellRect(row, 1).center()));
    }

    // The book is read beside the window; whatever needs it first waits for
    // it, so a long book is never offered, or saved, in part.
    void longBookIsWholeWhenFirstUsed() {
        QStringList book;
        for (int i = 0; i < 20000; ++i)
            book.append((i % 4 ? "い" : "あ") + QString::number(i));
        open(book, {{"OPT1", "2"}});
        f->tapBoard("あ");
        QCOMPARE(f->c().grdSp->rows(), 1 + 5000);
        f->c().cmdDec->click();
        f->panel().setText("ん_");
        f->c().cmdSampADD->click();
        QCOMPARE(f->readFile("Talk.txt").size(), 2 + 20000 + 1);
    }

    // Characters the code page lacks are named before the phrase is stored:
    // "キャンセル" stores nothing and keeps the text; "ＯＫ" stores them as "?".
    void charactersTheBookCannotKeepAreNamed() {
        open({"おはよう"});
        f->panel().setText(u"café😀_"_qs);
        f->fakes.asker.answers = {false};
        f->c().cmdSampADD->click();
        QCOMPARE(asked().size(), 1);
        QCOMPARE(asked().first().message, u"保存できない文字があります：é😀"_qs);
        QCOMPARE(asked().first().style, 33);
        QCOMPARE(f->readFile("Talk.txt"), QStringList({kPlaceholder, kPlaceholder, "おはよう"}));
        QCOMPARE(f->text(), u"café😀_"_qs);
        QVERIFY(f->c().cmdSampADD->isVisible() && !f->c().grdEx->isVisible());

        f->c().cmdSampADD->click();
        QCOMPARE(f->readFile("Talk.txt"),
                 QStringList({kPlaceholder, kPlaceholder, "おはよう", "caf??"}));
        QCOMPARE(phrases(), QStringList({"日記", "メール", "caf??", "おはよう"}));
        QCOMPARE(f->window().state().selectedRow, 2);
        f->panel().setText(u"caf😀😀_"_qs); // stored, it would repeat a phrase
        f->c().cmdSampADD->click();
        QCOMPARE(asked().last().message, QString("同一文が登録されています"));
    }

    // A record holding bytes that are no code page 932 is stored back with
    // them when another phrase is registered; a file that cannot be read is
    // noticed and never rewritten.
    void unchangedDamagedRecordsKeepTheirBytes() {
        const QByteArray placeholder = '"' + cp932bytes::kPlaceholder + "\"\r\n";
        const QByteArray damaged = "\"\x82\xA0\x85\x20x\"\r\n";
        QVERIFY(writeBytes(f->dir.filePath("Talk.txt"), placeholder + placeholder + damaged));
        f->open();
        f->panel().setText("あいう_");
        f->c().cmdSampADD->click();
        QVERIFY(asked().isEmpty());
        QCOMPARE(readBytes(f->dir.filePath("Talk.txt")),
                 placeholder + placeholder + damaged + "\"\x82\xA0\x82\xA2\x82\xA4\"\r\n");
    }

    // With [Predict] Learn = 1 every phrase chosen with "決定" is counted:
    // the most used come first in the candidates and within their kana row of
    // the phrase list, also after a restart; a deleted phrase loses its count.
    void phrasesComeInTheOrderOfUse() {
        const QMap<QString, QString> learning{{"OPT1", "2"}, {"Predict/Learn", "1"}};
        open({"あめ", "あさ", "あき", "かさ", "きく"}, learning);
        Grid* grdSp = f->c().grdSp;
        f->tapBoard("あ");
        QCOMPARE(candidates(), QStringList({"あ", "あめ", "あさ", "あき"}));
        WindowFixture::tap(grdSp, 3);
        f->c().cmdDec->click(); // あき
        f->c().cmdSamp->click();
        f->c().grdEx->scrollToRow(6);
        WindowFixture::tap(f->c().grdEx, 6);
        f->c().cmdDec->click(); // きく, the later choice, before かさ in the か row
        f->c().cmdSamp->click();
        QCOMPARE(phrases(),
                 QStringList({"日記", "メール", "あき", "あさ", "あめ", "きく", "かさ"}));
        f->c().cmdSamp->click();

        f->open(); // a restart
        grdSp = f->c().grdSp;
        f->tapBoard("あ");
        QCOMPARE(candidates(), QStringList({"あ", "あき", "あめ", "あさ"}));
        WindowFixture::tap(grdSp, 2);
        f->c().cmdDec->click(); // あめ
        f->panel().setText(QString());
        f->tapBoard("あ");
        QCOMPARE(candidates(), QStringList({"あ", "あめ", "あき", "あさ"}));
        f->c().cmdDec->click(); // row 0, the typed text, counts for nothing
        f->c().cmdSamp->click();
        WindowFixture::tap(f->c().grdEx, 2);
        f->c().cmdSampDel->click(); // あめ
        QCOMPARE(f->readFile("TalkUse.txt"), QStringList({"1 1 あき", "1 2 きく"}));
    }

    // With the option off the order is the book's, whatever the counts file
    // holds, and nothing is counted.
    void orderOfUseOff() {
        f->writeFile("TalkUse.txt", {"5 9 あさ"});
        open({"あめ", "あさ"}, {{"OPT1", "2"}});
        f->tapBoard("あ");
        QCOMPARE(candidates(), QStringList({"あ", "あめ", "あさ"}));
        f->c().cmdDec->click();
        f->c().cmdSamp->click();
        QCOMPARE(phrases(), QStringList({"日記", "メール", "あさ", "あめ"}));
        WindowFixture::tap(f->c().grdEx, 3);
        f->c().cmdDec->click();
        QCOMPARE(f->readFile("TalkUse.txt"), QStringList({"5 9 あさ"}));
    }
};

QTEST_MAIN(ListPanelTest)
#include "list_panel_test.moc"
