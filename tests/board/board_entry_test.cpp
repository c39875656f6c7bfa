#include "board/board_entry.h"
#include "platform/colors.h"
#include "window_fixture.h"

#include <QFrame>
#include <QPushButton>

// Taps on the board and the selection panel as the user makes them.
class BoardEntryTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<WindowFixture> f;

    void open(const QMap<QString, QString>& options) {
        f->fakes.store.values = options;
        f->open();
    }
    QColor boardColor(const QString& text) {
        Grid* board = f->c().grdBoard;
        for (int row = 0; row < board->rows(); ++row)
            for (int col = 0; col < board->cols(); ++col)
                if (board->text(row, col) == text)
                    return board->cells().color(row, col);
        return {};
    }
    QStringList panelRow(int row) {
        Grid* panel = f->c().grdBoard2;
        return {panel->text(row, 0), panel->text(row, 1), panel->text(row, 2)};
    }
    void tapPanel(int row, int col) { WindowFixture::tap(f->c().grdBoard2, row, col); }

private slots:
    void init() { f = std::make_unique<WindowFixture>(); }
    void cleanup() { f.reset(); }

    void oneTapEntersAtTheCaretKeepingTheEndMarker() {
        open({{"OPT1", "2"}});
        f->tapBoard("あ");
        QCOMPARE(f->text(), QString("あ_"));
        QCOMPARE(f->panel().selStart(), 1);
        QCOMPARE(f->panel().selLength(), 1);
        f->tapBoard("い");
        f->tapBoard("う");
        QCOMPARE(f->text(), QString("あいう_"));
        f->panel().select(1, 1); // the block on "い"
        f->tapBoard("か");
        QCOMPARE(f->text(), QString("あかいう_"));
        QCOMPARE(f->panel().selStart(), 2);
        QCOMPARE(boardColor("か"), bgrColor(colors::kDesktop));
        QCOMPARE(boardColor("あ"), bgrColor(colors::kWhite));
        const QString dir = f->dir.path();
        QCOMPARE(f->fakes.voice.played,
                 QStringList({dir + "/あ.wav", dir + "/い.wav", dir + "/う.wav", dir + "/か.wav"}));
        QCOMPARE(f->fakes.pause.waits, QList<int>({500, 500, 500, 500}));
    }

    // Two taps on the same text complete a pair; another text restarts it.
    void twoTapsOpenThePanel() {
        open({{"OPT1", "1"}});
        f->tapBoard("か");
        QCOMPARE(boardColor("か"), bgrColor(colors::kHighlight));
        QVERIFY(!f->c().fraSet->isVisible());
        f->tapBoard("さ");
        f->tapBoard("か");
        QVERIFY(!f->c().fraSet->isVisible());
        f->tapBoard("か");
        QCOMPARE(boardColor("か"), bgrColor(colors::kSilver));
        QVERIFY(f->c().fraSet->isVisible());
        QCOMPARE(f->c().fraSet->geometry().topLeft(), f->c().grdBoard->geometry().topLeft());
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

    void panelOffersVariantsAndEntersThem() {
        open({});
        f->tapBoard("か");
        QVERIFY(f->c().fraSet->isVisible());
        QCOMPARE(panelRow(0), QStringList({"", "", ""}));
        QCOMPARE(panelRow(1), QStringList({"さ", "か", "が"}));
        QCOMPARE(panelRow(2), QStringList({"し", "き", "ぎ"}));
        tapPanel(1, 2);
        QVERIFY(!f->c().fraSet->isVisible());
        QCOMPARE(f->text(), QString("が_"));
        QCOMPARE(f->panel().selLength(), 1);
    }

    void panelSecondTapEnters() {
        open({{"OPT2", "1"}, {"Beep", "1"}});
        f->tapBoard("は");
        QCOMPARE(panelRow(1), QStringList({"ぱ", "は", "ば"}));
        tapPanel(1, 0);
        QCOMPARE(f->text(), QString());
        QCOMPARE(f->c().grdBoard2->cells().color(1, 0), bgrColor(colors::kHighlight));
        tapPanel(0, 0); // empty: only the beep
        QCOMPARE(f->text(), QString());
        tapPanel(1, 0);
        QCOMPARE(f->text(), QString("ぱ_"));
        QCOMPARE(f->fakes.beeper.beeps, 4);
    }

    void spaceAndBackOnThePanel() {
        open({});
        f->tapBoard("あ");
        f->c().cmdspace->click();
        QCOMPARE(f->text(), QString("　_"));
        QVERIFY(f->c().fraSet->isVisible());
        f->c().cmdEnd2->click();
        QVERIFY(!f->c().fraSet->isVisible());
        f->c().cmdKey->click();
        f->c().cmdKey->click(); // letters and signs
        f->tapBoard("Q");
        QCOMPARE(panelRow(1), QStringList({"", "Q", "q"}));
        f->c().cmdspace->click();
        QCOMPARE(f->text(), QString("　 _"));
    }

    void emptyCellEntersAFullWidthSpace() {
        open({{"OPT1", "2"}, {"gMaxC", "14"}});
        f->c().cmdKey->click();
        f->c().cmdKey->click();
        WindowFixture::tap(f->c().grdBoard, 2, 12);
        QCOMPARE(f->text(), QString("　_"));
    }
};

QTEST_MAIN(BoardEntryTest)
#include "board_entry_test.moc"
