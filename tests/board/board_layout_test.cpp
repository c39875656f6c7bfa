#include "board/board_layout.h"
#include "board/selection_panel.h"
#include "platform/grid_model.h"

#include <QTest>

// The boards' rows as "cell|cell|...": ten kana columns for gMaxC 9, the voiced
// rows in front for 14, empty cells in front for a hand-edited width, and the
// letters and signs from the left. The selection panel's texts for taps on
// them: neighbours from the board, "" beyond its edges, and the variants
// written over the outer cells.
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
    }

    void panelTexts() {
        // The panel for board cell (row, col): "left|middle|right" per row,
        // the rows joined by "/".
        const auto panel = [](BoardSet set, int gMaxC, int row, int col) {
            GridModel grdBoard;
            grdBoard.setRows(board::kRows);
            grdBoard.setCols(gMaxC + 1);
            grdBoard.setAllTexts(board::cells(set, gMaxC));
            QStringList rows;
            for (const QStringList& r : board::selectionPanelTexts(grdBoard, col, row, gMaxC))
                rows.append(r.size() == 3 ? r.join('|') : QStringLiteral("not three cells"));
            return rows.join('/');
        };
        const BoardSet h = BoardSet::Hiragana;
        const BoardSet k = BoardSet::Katakana;
        QCOMPARE(panel(h, 9, 0, 8), QString("||/さ|か|が/し|き|ぎ"));       // か
        QCOMPARE(panel(h, 9, 0, 4), QString("||/ぱ|は|ば/ぴ|ひ|び"));       // は
        QCOMPARE(panel(h, 9, 0, 9), QString("||/か|あ|ぁ/き|い|ぃ"));       // あ
        QCOMPARE(panel(h, 9, 2, 9), QString("き|い|ぃ/く|う|ぅ/け|え|ぇ")); // う
        QCOMPARE(panel(h, 9, 2, 6), QString("に|ち|ぢ/っ|つ|づ/ね|て|で")); // つ
        QCOMPARE(panel(BoardSet::Letters, 9, 1, 0), QString("|1|2/|Q|q/|A|a"));
        QCOMPARE(panel(k, 14, 2, 11), QString("ニ|チ|ヂ/ッ|ツ|ヅ/ネ|テ|デ")); // ツ
        QCOMPARE(panel(h, 14, 0, 4), QString("||/ざ|が|わ/じ|ぎ|を"));        // が: no variants
        QCOMPARE(panel(h, 14, 4, 14), QString("け|え|ぇ/こ|お|ぉ/||"));       // お
    }
};

QTEST_GUILESS_MAIN(BoardLayoutTest)
#include "board_layout_test.moc"
