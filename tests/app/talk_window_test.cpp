#include "app/dialog_asker.h"
#include "app/options_dialog.h"
#include "platform/fonts.h"
#include "platform/twip_layout.h"
#include "window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QPointingDevice>
#include <QPushButton>
#include <QTimer>

namespace {
// Once the confirmation dialog is up, records its title, message, left
// button's caption and x and the right button's caption (empty when hidden),
// then presses a button, or closes the dialog when the button is -1.
void whenAsked(QStringList& seen, int button) {
    QTimer::singleShot(0, [&seen, button] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* left = dialog->findChild<QPushButton*>("cmdOK(0)");
        auto* right = dialog->findChild<QPushButton*>("cmdOK(1)");
        seen = QStringList{dialog->windowTitle(), dialog->findChild<QLabel*>("lblOK")->text(),
                           left->text(), QString::number(left->x()),
                           right->isVisibleTo(dialog) ? right->text() : QString()};
        if (button < 0)
            dialog->close();
        else
            (button ? right : left)->click();
    });
}
} // namespace

// The main window as it starts, its layout at design size and scaled, the
// board key, the options and their dialog, the confirmation dialog and taps
// by touch.
class TalkWindowTest : public QObject {
    Q_OBJECT
private:
    static QString boardRow(const Grid* board, int row) {
        QString text;
        for (int col = 0; col < board->cols(); ++col)
            text += board->text(row, col);
        return text;
    }
    static int textPixels(WindowFixture& f) { return f.c().txtTalk->font().pixelSize(); }

private slots:
    void startFollowsTheStoredOptions_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("points");
        QTest::newRow("first run") << QStringList() << 10 << 55;
        // only 14 widens the board: any other value is the ten-column board
        QTest::newRow("gMaxC 13") << QStringList{"gMaxC", "13"} << 10 << 55;
        QTest::newRow("gMaxC 50") << QStringList{"gMaxC", "50"} << 10 << 55;
        QTest::newRow("gMaxC 14") << QStringList{"gMaxC", "14"} << 15 << 55;
        QTest::newRow("Moji 1") << QStringList{"Moji", "1"} << 10 << 100;
    }
    void startFollowsTheStoredOptions() {
        QFETCH(QStringList, stored);
        QFETCH(int, columns);
        QFETCH(int, points);
        WindowFixture f;
        for (int i = 0; i + 1 < stored.size(); i += 2)
            f.fakes.store.values.insert(stored[i], stored[i + 1]);
        f.open();
        QCOMPARE(f.c().grdBoard->cols(), columns);
        QCOMPARE(f.c().grdBoard->text(0, columns - 1), QString("あ"));
        QCOMPARE(textPixels(f), pointsToPixels(points));
    }

    // Controls at design size, outside and inside a frame; the layout then
    // grows uniformly with the window and stays centred.
    void layoutAtDesignSizeAndScaled() {
        WindowFixture f;
        TalkWindow& w = f.open();
        const TalkControls& c = f.c();
        QCOMPARE(c.cmdSamp->geometry(), QRect(36, 552, 235, 83));
        QCOMPARE(c.cmdRes[1]->geometry(), QRect(404, 12, 151, 87));
        w.resize(1527, 1200);
        QTRY_COMPARE(w.layout().scale(), 1.5);
        const int top = (1200 - qRound(741 * 1.5)) / 2;
        QCOMPARE(w.layout().origin(), QPoint(0, top));
        auto near = [](int actual, double expected) { return qAbs(actual - expected) <= 1; };
        QVERIFY(near(c.cmdSamp->x(), 36 * 1.5));
        QVERIFY(near(c.cmdSamp->y(), 552 * 1.5 + top));
        QVERIFY(near(c.cmdSamp->width(), 235 * 1.5));
        // inside a frame, positions are relative to the frame: no centring offset
        QVERIFY(near(c.cmdRes[1]->y(), 12 * 1.5));
        QVERIFY(near(c.cmdRes[1]->height(), 87 * 1.5));
        QCOMPARE(c.grdBoard->columnWidth(0), qRound(1530 * 1.5 / 15));
        QCOMPARE(textPixels(f), pointsToPixels(55, 1.5));
        // code that reads sizes still sees the design in twips
        QCOMPARE(w.layout().rect(c.txtTalk).height, 2295);
    }

    // Three presses of the board key cycle the sets. キャンセル changes
    // nothing; 確定 applies the options and restarts the board with hiragana.
    void boardKeyAndOptions() {
        WindowFixture f;
        f.open();
        QPushButton* key = f.c().cmdKey;
        const QStringList captions{"カタ", "英数", "ひら", "カタ"};
        const QStringList rows{"ワラヤマハナタサカア", "QWERTYUIOP", "わらやまはなたさかあ"};
        for (int press = 0; press < 4; ++press) {
            key->click();
            QCOMPARE(key->text(), captions[press]);
            QCOMPARE(boardRow(f.c().grdBoard, press == 1), rows[press % 3]);
        }
        const auto change = [](QWidget* dialog) {
            for (const char* option : {"chkMoji", "chkMaxC", "Option1(3)"})
                WindowFixture::clickIn(dialog, option);
        };
        f.options(0, change);
        QVERIFY(f.fakes.store.writes.isEmpty());
        QCOMPARE(key->text(), QString("カタ"));
        QCOMPARE(textPixels(f), pointsToPixels(55));
        QCOMPARE(f.window().state().settings.opt1, 0);
        f.options(1, change);
        QCOMPARE(key->text(), QString("ひら"));
        QCOMPARE(boardRow(f.c().grdBoard, 0), QString("ぱばだざがわらやまはなたさかあ"));
        QCOMPARE(textPixels(f), pointsToPixels(100));
        QCOMPARE(f.window().state().settings.opt1, 3);
    }

    // "詳細設定" opens the extended options over the options dialog; each
    // dialog's own "確定" stores what it shows, and the window applies it.
    void extendedOptionsOpenFromTheOptionsDialog() {
        WindowFixture f;
        f.writeFile("Talk.txt", {"ああああ日記ダミー消さないでね！",
                                 "ああああ日記ダミー消さないでね！", "あめ"});
        f.fakes.store.values.insert("OPT1", "2");
        f.open();
        f.extendedOptions([](QWidget* extended) {
            QCOMPARE(extended->objectName(), QString("frmExtOPT"));
            WindowFixture::clickIn(extended, "chkLearn");
            WindowFixture::clickIn(extended, "cmdOK(1)");
        });
        QCOMPARE(f.fakes.store.syncs, 1);
        // only the extensions' own groups, none of the eight options
        QVERIFY(!f.fakes.store.writes.isEmpty());
        for (const auto& write : f.fakes.store.writes)
            QVERIFY2(write.first.contains('/'), qPrintable(write.first));
        QCOMPARE(f.fakes.store.values.value("Predict/Learn"), QString("1"));
        f.tapBoard("あ");
        WindowFixture::tap(f.c().grdSp, 1);
        f.c().cmdDec->click();
        QCOMPARE(f.readFile("TalkUse.txt"), QStringList{"1 1 あめ"});
    }

    // Taps by touch reach the same buttons and cells as mouse clicks (where
    // a tap lands at any size: grid_test); two quick taps are two taps
    // ("OPT1" 1: they open the panel); a finger held on "↑" repeats its step
    // until it lifts.
    void touchActsAsTapsAndHolds() {
        WindowFixture f;
        f.fakes.store.values.insert("OPT1", "1");
        f.open();
        std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
        const auto touch = [&screen](QWidget* widget, QPoint at) {
            QTest::touchEvent(widget, screen.get()).press(0, at);
            QTest::touchEvent(widget, screen.get()).release(0, at);
        };
        Grid* board = f.c().grdBoard;
        touch(board->viewport(), board->cellRect(0, 2).center());
        touch(board->viewport(), board->cellRect(0, 2).center());
        QVERIFY(f.c().fraSet->isVisible());
        f.c().cmdEnd2->click();

        f.panel().setText("あ\nい\nう\nえ\nお_");
        f.panel().select(f.panel().length() - 1, 1);
        QPushButton* up = f.c().cmdRes[4];
        QTest::touchEvent(up, screen.get()).press(0, up->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(f.panel().selStart(), 0, 3000);
        QTest::touchEvent(up, screen.get()).release(0, up->rect().center());
        QVERIFY(!f.window().state().keyHeld);
    }

    void askUserStyles_data() {
        QTest::addColumn<int>("before"); // style of a question asked first, 0 for none
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("answer");
        QTest::newRow("notice") << 0 << 48 << 0 << QStringList{"ＯＫ", "233", ""} << true;
        QTest::newRow("yes") << 0 << 36 << 0 << QStringList{"ＹＥＳ", "20", "ＮＯ"} << true;
        QTest::newRow("cancel") << 0 << 33 << 1 << QStringList{"ＯＫ", "20", "キャンセル"} << false;
        QTest::newRow("closed") << 0 << 36 << -1 << QStringList{"ＹＥＳ", "20", "ＮＯ"} << false;
        // each question starts from the dialog's design state
        QTest::newRow("after a notice")
            << 48 << 36 << 1 << QStringList{"ＹＥＳ", "20", "ＮＯ"} << false;
    }
    void askUserStyles() {
        QFETCH(int, before);
        QFETCH(int, style);
        QFETCH(int, button);
        QFETCH(QStringList, buttons);
        QFETCH(bool, answer);
        DialogAsker asker;
        QStringList seen;
        if (before) {
            whenAsked(seen, 0);
            asker.ask("同一文が登録されています", before, "例文登録");
        }
        whenAsked(seen, button);
        QCOMPARE(asker.ask("はじめからでよろしいですか？", style, "例文登録"), answer);
        QCOMPARE(seen, QStringList({"例文登録", "はじめからでよろしいですか？"}) + buttons);
    }

    // A value the system never writes reads as the key's default; a valid
    // value among them stands.
    void badStoredValuesReadAsDefaults() {
        MemorySettingsStore store;
        store.values = {{"OPT1", "7"}, {"OPT2", "-1"}, {"OPT3", "2"},   {"Beep", "yes"},
                        {"Moji", ""},  {"Samp", "2"},  {"Sample", "9"}, {"gMaxC", "5"}};
        const Settings s = readSettings(store);
        QCOMPARE(QList<int>({s.opt1, s.opt2, s.opt3, s.beep, s.moji, s.samp, s.gMaxC, s.sample}),
                 QList<int>({0, 0, 2, 0, 0, 1, 9, 2}));
        for (const char* width : {"2147483647", "13", "50", "10"}) {
            store.values["gMaxC"] = width;
            QCOMPARE(readSettings(store).gMaxC, 9);
        }
        store.values["gMaxC"] = "14";
        QCOMPARE(readSettings(store).gMaxC, 14);
    }

    void firstRunConfirmWritesEveryKeyInOrder() {
        MemorySettingsStore store;
        OptionsDialog dialog(store);
        dialog.load(readSettings(store));
        dialog.cmdOK[1]->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const QList<QPair<QString, QString>> expected{{"OPT1", "0"}, {"OPT2", "0"},   {"OPT3", "0"},
                                                      {"Samp", "1"}, {"Sample", "2"}, {"Beep", "0"},
                                                      {"Moji", "0"}, {"gMaxC", "9"}};
        QCOMPARE(store.writes, expected);
    }
};

QTEST_MAIN(TalkWindowTest)
#include "talk_window_test.moc"
