#include "app/dialog_asker.h"
#include "app/options_dialog.h"
#include "fakes.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
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

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
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

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
