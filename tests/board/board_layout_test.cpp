#include "board/board_layout.h"

#include <QTest>

// The boards' rows as "cell|cell|...": ten kana columns for gMaxC 9, the voiced
// rows in front for 14, empty cells in front for a hand-edited width, and the
// letters and signs from the left.
class BoardLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void layouts() {
        const auto row = [](BoardSet set, int gMaxC, int r) {
            return board::cells(set, gMaxC).at(size_t(r)).join('|');
        };
        const BoardSet h = BoardSet::Hiragana;
        const BoardSet k = BoardSet::Katakana;
        QCOMPARE(int(board::cells(h, 9).size()), 5);
        QCOMPARE(row(h, 9, 0), QString("わ|ら|や|ま|は|な|た|さ|か|あ"));
        QCOMPARE(row(h, 9, 4), QString("、|ろ|？|も|ほ|の|と|そ|こ|お"));
        QCOMPARE(row(k, 14, 0), QString("パ|バ|ダ|ザ|ガ|ワ|ラ|ヤ|マ|ハ|ナ|タ|サ|カ|ア"));
        QCOMPARE(row(k, 14, 3), QString("ペ|ベ|デ|ゼ|ゲ|。|レ|ー|メ|ヘ|ネ|テ|セ|ケ|エ"));
        QCOMPARE(row(h, 11, 0), QString("||わ|ら|や|ま|は|な|た|さ|か|あ"));
        QCOMPARE(row(BoardSet::Letters, 14, 4), QString(":|%|+|-|?|@|。|!|(^_^)|(T_T)|||||"));
        QCOMPARE(board::columnWidthTwips(9), 1530);
        QCOMPARE(board::columnWidthTwips(11), 1530);
        QCOMPARE(board::columnWidthTwips(14), 1013);
    }
};

QTEST_GUILESS_MAIN(BoardLayoutTest)
#include "board_layout_test.moc"
