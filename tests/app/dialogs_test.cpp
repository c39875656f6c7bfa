#include "app/dialog_asker.h"
#include "app/options_dialog.h"
#include "fakes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {
struct SeenDialog {
    QString title;
    QString message;
    QString left;
    QString right;
    bool rightShown = false;
    int leftX = 0;
};

// Looks at the confirmation dialog once it is up, then acts on it.
void whenAsked(SeenDialog& seen, std::function<void(QDialog*)> act) {
    QTimer::singleShot(0, [&seen, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* left = dialog->findChild<QPushButton*>("cmdOK(0)");
        auto* right = dialog->findChild<QPushButton*>("cmdOK(1)");
        seen = {dialog->windowTitle(),
                dialog->findChild<QLabel*>("lblOK")->text(),
                left->text(),
                right->text(),
                right->isVisibleTo(dialog),
                left->x()};
        act(dialog);
    });
}
void press(QDialog* dialog, int index) {
    dialog->findChild<QPushButton*>(QStringLiteral("cmdOK(%1)").arg(index))->click();
}
} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void askUserStyles_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<bool>("rightShown");
        QTest::addColumn<int>("leftX");
        QTest::addColumn<bool>("answer");
        QTest::newRow("notice") << 48 << 0 << "ＯＫ"
                                << "キャンセル" << false << 233 << true;
        QTest::newRow("yes") << 36 << 0 << "ＹＥＳ"
                             << "ＮＯ" << true << 20 << true;
        QTest::newRow("no") << 36 << 1 << "ＹＥＳ"
                            << "ＮＯ" << true << 20 << false;
        QTest::newRow("ok") << 33 << 0 << "ＯＫ"
                            << "キャンセル" << true << 20 << true;
        QTest::newRow("cancel") << 33 << 1 << "ＯＫ"
                                << "キャンセル" << true << 20 << false;
        QTest::newRow("other style") << 0 << 0 << "OK"
                                     << "キャンセル" << true << 20 << true;
    }
    void askUserStyles() {
        QFETCH(int, style);
        QFETCH(int, button);
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(bool, rightShown);
        QFETCH(int, leftX);
        QFETCH(bool, answer);
        DialogAsker asker;
        SeenDialog seen;
        whenAsked(seen, [button](QDialog* d) { press(d, button); });
        QCOMPARE(asker.ask("はじめからでよろしいですか？", style, "例文登録"), answer);
        QCOMPARE(seen.title, QString("例文登録"));
        QCOMPARE(seen.message, QString("はじめからでよろしいですか？"));
        QCOMPARE(seen.left, left);
        QCOMPARE(seen.right, right);
        QCOMPARE(seen.rightShown, rightShown);
        QCOMPARE(seen.leftX, leftX);
    }

    // Each question starts from the dialog's design state.
    void questionAfterNoticeShowsBothButtons() {
        DialogAsker asker;
        SeenDialog seen;
        whenAsked(seen, [](QDialog* d) { press(d, 0); });
        asker.ask("同一文が登録されています", 48, "例文登録");
        whenAsked(seen, [](QDialog* d) { press(d, 1); });
        QCOMPARE(asker.ask("日記を登録して終了します", 36, "日記の終了"), false);
        QVERIFY(seen.rightShown);
        QCOMPARE(seen.left, QString("ＹＥＳ"));
        QCOMPARE(seen.leftX, 20);
    }

    void closingTheDialogAnswersNo() {
        DialogAsker asker;
        SeenDialog seen;
        whenAsked(seen, [](QDialog* d) { d->close(); });
        QCOMPARE(asker.ask("メールを登録して終了します", 36, "メールの終了"), false);
    }

    void firstRunConfirmWritesEveryKeyInOrder() {
        MemorySettingsStore store;
        OptionsDialog dialog(store);
        dialog.load(readSettings(store));
        QVERIFY(dialog.Option1[0]->isChecked());
        QVERIFY(dialog.Option2[0]->isChecked());
        QVERIFY(dialog.Option3[0]->isChecked());
        QVERIFY(dialog.chkSamp->isChecked());
        QVERIFY(!dialog.chkBeep->isChecked());
        QVERIFY(!dialog.chkMoji->isChecked());
        QVERIFY(!dialog.chkMaxC->isChecked());
        QCOMPARE(dialog.cmbSample->currentText(), QString("２"));
        dialog.cmdOK[1]->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const QList<QPair<QString, QString>> expected{{"OPT1", "0"}, {"OPT2", "0"},   {"OPT3", "0"},
                                                      {"Samp", "1"}, {"Sample", "2"}, {"Beep", "0"},
                                                      {"Moji", "0"}, {"gMaxC", "9"}};
        QCOMPARE(store.writes, expected);
    }

    void confirmWritesTheChosenOptions() {
        MemorySettingsStore store;
        store.values = {{"gMaxC", "10"}, {"OPT1", "2"}};
        OptionsDialog dialog(store);
        dialog.load(readSettings(store));
        QVERIFY(dialog.Option1[2]->isChecked());
        QVERIFY(!dialog.chkMaxC->isChecked());
        dialog.Option3[3]->click();
        dialog.cmbSample->setCurrentIndex(4);
        dialog.chkBeep->click();
        dialog.cmdOK[1]->click();
        QCOMPARE(store.values.value("OPT1"), QString("2"));
        QCOMPARE(store.values.value("OPT3"), QString("3"));
        QCOMPARE(store.values.value("Sample"), QString("5"));
        QCOMPARE(store.values.value("Beep"), QString("1"));
        QCOMPARE(store.values.value("gMaxC"), QString("9"));
    }

    void layoutOfTheOptionsDialog() {
        MemorySettingsStore store;
        OptionsDialog dialog(store);
        QCOMPARE(dialog.size(), QSize(466, 667));
        QCOMPARE(dialog.windowTitle(), QString("オプション"));
        QCOMPARE(dialog.Option1[0]->text(), QString("１回クリックで文字選択画面へ"));
        QCOMPARE(dialog.Option1[0]->geometry(), QRect(24, 78, 377, 21));
        QCOMPARE(dialog.cmdOK[1]->text(), QString("確定"));
        QCOMPARE(dialog.cmdOK[1]->geometry(), QRect(244, 616, 165, 41));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
