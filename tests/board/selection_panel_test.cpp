#include "board/board_layout.h"
#include "board/selection_panel.h"
#include "platform/grid_model.h"

#include <QtTest>

Q_DECLARE_METATYPE(BoardSet)

// The selection panel's texts for taps on the real boards: neighbours from the
// board, "" beyond its edges, and the variants written over the outer cells.
class TestSelectionPanel : public QObject {
    Q_OBJECT
private slots:
    void panelTexts_data() {
        QTest::addColumn<BoardSet>("set");
        QTest::addColumn<int>("gMaxC");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("panel"); // "left|middle|right" per row, rows joined by "/"
        const auto add = [](const char* name, BoardSet set, int gMaxC, int row, int col,
                            const char* panel) {
            QTest::newRow(name) << set << gMaxC << row << col << QString::fromUtf8(panel);
        };
        const BoardSet h = BoardSet::Hiragana;
        const BoardSet k = BoardSet::Katakana;
        add("か: voiced form over あ", h, 9, 0, 8, "||/さ|か|が/し|き|ぎ");
        add("は: semi-voiced left", h, 9, 0, 4, "||/ぱ|は|ば/ぴ|ひ|び");
        add("あ: rightmost column", h, 9, 0, 9, "||/か|あ|ぁ/き|い|ぃ");
        add("う: small forms only", h, 9, 2, 9, "き|い|ぃ/く|う|ぅ/け|え|ぇ");
        add("つ: voiced table wins", h, 9, 2, 6, "に|ち|ぢ/っ|つ|づ/ね|て|で");
        add("Q: letters, leftmost", BoardSet::Letters, 9, 1, 0, "|1|2/|Q|q/|A|a");
        add("ツ: fifteen columns", k, 14, 2, 11, "ニ|チ|ヂ/ッ|ツ|ヅ/ネ|テ|デ");
        add("が: fifteen columns, no variants", h, 14, 0, 4, "||/ざ|が|わ/じ|ぎ|を");
        add("お: fifteen columns, bottom right", h, 14, 4, 14, "け|え|ぇ/こ|お|ぉ/||");
    }
    void panelTexts() {
        QFETCH(BoardSet, set);
        QFETCH(int, gMaxC);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, panel);
        GridModel grdBoard;
        grdBoard.setRows(board::kRows);
        grdBoard.setCols(gMaxC + 1);
        grdBoard.setAllTexts(board::cells(set, gMaxC));
        QStringList rows;
        for (const QStringList& panelRow : board::selectionPanelTexts(grdBoard, col, row, gMaxC)) {
            QCOMPARE(panelRow.size(), 3);
            rows.append(panelRow.join('|'));
        }
        QCOMPARE(rows.join('/'), panel);
    }
};

QTEST_GUILESS_MAIN(TestSelectionPanel)
#include "selection_panel_test.moc"
