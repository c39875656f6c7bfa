#include "platform/colors.h"
#include "window_fixture.h"

#include <QFrame>
#include <QPushButton>

// Taps on the board and the selection panel as the user makes them. On the
// ten-column hiragana board "か" stands at (0, 8).
class BoardEntryTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<WindowFixture> f;

    void open(const QMap<QString, QString>& options) {
        f->fakes.store.values = options;
        f->open();
    }
    QColor boardColor(int row, int col) { return f->c().grdBoard->cells().color(row, col); }
    QString panelRow(int row) {
        Grid* panel = f->c().grdBoard2;
        return panel->text(row, 0) + "|" + panel->text(row, 1) + "|" + panel->text(row, 2);
    }
    void tapPanel(int row, int col) { WindowFixture::tap(f->c().grdBoard2, row, col); }

private slots:
    void init() { f = std::make_unique<WindowFixture>(); }
    void cleanup() { f.reset(); }

    // An empty cell (on the letters board of fifteen columns) enters a
    // full-width space.
    void oneTapEntersAtTheCaretKeepingTheEndMarker() {
        open({{"OPT1", "2"}, {"gMaxC", "14"}});
        f->tapBoard("あ");
        f->tapBoard("い");
        QCOMPARE(f->text(), QString("あい_"));
        QCOMPARE(f->panel().selStart(), 2);
        QCOMPARE(f->panel().selLength(), 1);
        f->panel().select(1, 1); // the block on "い"
        f->tapBoard("か");
        QCOMPARE(f->text(), QString("あかい_"));
        QCOMPARE(f->panel().selStart(), 2);
        QCOMPARE(f->panel().selLength(), 1);
        f->c().cmdKey->click();
        f->c().cmdKey->click();
        WindowFixture::tap(f->c().grdBoard, 2, 12);
        QCOMPARE(f->text(), QString("あか　い_"));
    }

    // Two taps on the same text complete a pair; another text restarts it.
    void twoTapsOpenThePanel() {
        open({{"OPT1", "1"}});
        f->tapBoard("か");
        QCOMPARE(boardColor(0, 8), bgrColor(colors::kHighlight));
        f->tapBoard("さ");
        f->tapBoard("か");
        QVERIFY(!f->c().fraSet->isVisible());
        f->tapBoard("か");
        QCOMPARE(boardColor(0, 8), bgrColor(colors::kSilver));
        QVERIFY(f->c().fraSet->isVisible());
        QCOMPARE(f->text(), QString());
    }

    void twoTapsEnter() {
        open({{"OPT1", "3"}, {"OPT3", "2"}});
        f->tapBoard("な");
        QCOMPARE(f->text(), QString());
        QVERIFY(f->fakes.voice.played.isEmpty()); // "OPT3" 2 speaks entries only
        f->tapBoard("な");
        QCOMPARE(f->text(), QString("な_"));
        QCOMPARE(f->fakes.voice.played.size(), 1);
        f->tapBoard("な"); // a completed pair does not reset: a third tap acts again
        QCOMPARE(f->text(), QString("なな_"));
    }

    // With "OPT2" 1 a panel text enters on its second tap; an empty cell only beeps.
    void panelSecondTapEnters() {
        open({{"OPT2", "1"}, {"Beep", "1"}});
        f->tapBoard("は");
        QCOMPARE(panelRow(1), QString("ぱ|は|ば"));
        tapPanel(1, 0);
        QCOMPARE(f->text(), QString());
        tapPanel(0, 0);
        QCOMPARE(f->text(), QString());
        tapPanel(1, 0);
        QCOMPARE(f->text(), QString("ぱ_"));
        QCOMPARE(f->fakes.beeper.beeps, 4);
    }

    // A panel text enters at once; "スペース" enters a full-width space on the
    // kana boards and a half-width one on the letters, leaving the panel open.
    void panelEntersVariantsAndSpaces() {
        open({});
        f->tapBoard("か");
        QCOMPARE(panelRow(1), QString("さ|か|が"));
        f->c().cmdspace->click();
        QVERIFY(f->c().fraSet->isVisible());
        tapPanel(1, 2);
        QVERIFY(!f->c().fraSet->isVisible());
        QCOMPARE(f->text(), QString("　が_"));
        QCOMPARE(f->panel().selLength(), 1);
        f->c().cmdKey->click();
        f->c().cmdKey->click(); // letters and signs
        f->tapBoard("Q");
        f->c().cmdspace->click();
        f->c().cmdEnd2->click(); // "戻る"
        QVERIFY(!f->c().fraSet->isVisible());
        QCOMPARE(f->text(), QString("　が _"));
    }
};

QTEST_MAIN(BoardEntryTest)
#include "board_entry_test.moc"
