#include "board/board_layout.h"

#include <QTest>

class BoardLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void setsCycleByCaption() {
        QCOMPARE(board::nextSet("英数"), BoardSet::Hiragana);
        QCOMPARE(board::nextSet(" ひら "), BoardSet::Katakana);
        QCOMPARE(board::nextSet("カタ"), BoardSet::Letters);
        QCOMPARE(board::nextSet("something else"), BoardSet::Letters);
        QCOMPARE(board::caption(BoardSet::Hiragana), QString("ひら"));
        QCOMPARE(board::caption(BoardSet::Katakana), QString("カタ"));
        QCOMPARE(board::caption(BoardSet::Letters), QString("英数"));
    }

    void tenColumnKana() {
        const auto rows = board::cells(BoardSet::Hiragana, 9);
        QCOMPARE(int(rows.size()), 5);
        QCOMPARE(rows[0].size(), 10);
        QCOMPARE(rows[0].join(""), QString("わらやまはなたさかあ"));
        QCOMPARE(rows[4].join(""), QString("、ろ？もほのとそこお"));
        QCOMPARE(rows[2][6], QString("つ"));
        QCOMPARE(board::columnWidthTwips(9), 1530);
    }

    void fifteenColumnKanaAddsVoicedRows() {
        const auto rows = board::cells(BoardSet::Katakana, 14);
        QCOMPARE(rows[0].size(), 15);
        QCOMPARE(rows[0].join(""), QString("パバダザガワラヤマハナタサカア"));
        QCOMPARE(rows[3].join(""), QString("ペベデゼゲ。レーメヘネテセケエ"));
        QCOMPARE(board::columnWidthTwips(14), 1013);
    }

    // A hand-edited gMaxC widens the board; the kana keep to the right.
    void otherWidthLeavesLeftColumnsEmpty() {
        const auto rows = board::cells(BoardSet::Hiragana, 11);
        QCOMPARE(rows[0].size(), 12);
        QCOMPARE(rows[0][0], QString());
        QCOMPARE(rows[0][1], QString());
        QCOMPARE(rows[0][2], QString("わ"));
        QCOMPARE(rows[0][11], QString("あ"));
        QCOMPARE(board::columnWidthTwips(11), 1530);
    }

    void lettersAndSigns() {
        const auto rows = board::cells(BoardSet::Letters, 14);
        QCOMPARE(rows[0].size(), 15);
        QCOMPARE(rows[1].mid(0, 10).join(""), QString("QWERTYUIOP"));
        QCOMPARE(rows[4].mid(0, 10),
                 QStringList({":", "%", "+", "-", "?", "@", "。", "!", "(^_^)", "(T_T)"}));
        for (int c = 10; c < 15; ++c)
            QCOMPARE(rows[2][c], QString());
    }
};

QTEST_GUILESS_MAIN(BoardLayoutTest)
#include "board_layout_test.moc"
