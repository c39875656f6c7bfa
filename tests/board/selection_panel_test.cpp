#include "board/board_layout.h"
#include "board/selection_panel.h"
#include "board/variants.h"
#include "board/voice_texts.h"
#include "platform/grid_model.h"

#include <QtTest>

Q_DECLARE_METATYPE(BoardSet)

// The selection panel's texts for taps on the real boards: neighbours from the
// board, "" beyond its edges, and the variants written over the outer cells.
class TestSelectionPanel : public QObject {
    Q_OBJECT
private slots:
    void panelTexts_data();
    void panelTexts();
    void variants_data();
    void variants();
    void voiceTextsCoverEverySpokenText();
};

void TestSelectionPanel::panelTexts_data() {
    QTest::addColumn<BoardSet>("set");
    QTest::addColumn<int>("gMaxC");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    // Each panel row as "left|middle|right".
    QTest::addColumn<QString>("row0");
    QTest::addColumn<QString>("row1");
    QTest::addColumn<QString>("row2");

    const BoardSet h = BoardSet::Hiragana;
    const BoardSet k = BoardSet::Katakana;
    const BoardSet l = BoardSet::Letters;
    const auto add = [](const char* name, BoardSet set, int gMaxC, int row, int col,
                        const char* row0, const char* row1, const char* row2) {
        QTest::newRow(name) << set << gMaxC << row << col << QString::fromUtf8(row0)
                            << QString::fromUtf8(row1) << QString::fromUtf8(row2);
    };
    add("か: voiced form over あ", h, 9, 0, 8, "||", "さ|か|が", "し|き|ぎ");
    add("は: semi-voiced left", h, 9, 0, 4, "||", "ぱ|は|ば", "ぴ|ひ|び");
    add("あ: rightmost column", h, 9, 0, 9, "||", "か|あ|ぁ", "き|い|ぃ");
    add("う: small forms only", h, 9, 2, 9, "き|い|ぃ", "く|う|ぅ", "け|え|ぇ");
    add("つ: voiced table wins", h, 9, 2, 6, "に|ち|ぢ", "っ|つ|づ", "ね|て|で");
    add("ほ: bottom row", h, 9, 4, 4, "ぺ|へ|べ", "ぽ|ほ|ぼ", "||");
    add("、: leftmost bottom", k, 9, 4, 0, "|。|レ", "|、|ロ", "||");
    add("Q: letters, leftmost", l, 9, 1, 0, "|1|2", "|Q|q", "|A|a");
    add("P: letters, rightmost", l, 9, 1, 9, "9|0|", "O|P|p", "L|;|");
    add("ツ: fifteen columns", k, 14, 2, 11, "ニ|チ|ヂ", "ッ|ツ|ヅ", "ネ|テ|デ");
    add("が: fifteen columns, no variants", h, 14, 0, 4, "||", "ざ|が|わ", "じ|ぎ|を");
    add("ぱ: fifteen columns, leftmost", h, 14, 0, 0, "||", "|ぱ|ば", "|ぴ|び");
    add("お: fifteen columns, rightmost bottom", h, 14, 4, 14, "け|え|ぇ", "こ|お|ぉ", "||");
    add("empty cell beside the letters", l, 14, 2, 10, "P||", ";||", ".||");
}

void TestSelectionPanel::panelTexts() {
    QFETCH(BoardSet, set);
    QFETCH(int, gMaxC);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, row0);
    QFETCH(QString, row1);
    QFETCH(QString, row2);

    GridModel grdBoard;
    grdBoard.setRows(board::kRows);
    grdBoard.setCols(gMaxC + 1);
    grdBoard.setAllTexts(board::cells(set, gMaxC));

    const std::array<QStringList, 3> panel = board::selectionPanelTexts(grdBoard, col, row, gMaxC);
    for (const QStringList& panelRow : panel)
        QCOMPARE(panelRow.size(), 3);
    QCOMPARE(panel[0].join('|'), row0);
    QCOMPARE(panel[1].join('|'), row1);
    QCOMPARE(panel[2].join('|'), row2);
}

void TestSelectionPanel::variants_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    const auto add = [](const char* text, const char* left, const char* right) {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(left)
                            << QString::fromUtf8(right);
    };
    add("ヨ", "", "ョ");
    add("Z", "", "z");
    add("z", "", "");
    add("Ａ", "", ""); // full-width capital
    add("かか", "", "");
    add("", "", "");
}

void TestSelectionPanel::variants() {
    QFETCH(QString, text);
    QFETCH(QString, left);
    QFETCH(QString, right);
    const board::Variants v = board::variantsOf(text);
    QCOMPARE(v.left, left);
    QCOMPARE(v.right, right);
}

void TestSelectionPanel::voiceTextsCoverEverySpokenText() {
    const QStringList texts = board::voiceTexts();
    QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), texts.size());
    QVERIFY(!texts.contains(QString()));
    // Spaces, the end marker, the faces and their characters, forms reached
    // only through the panel, and the fifteen-column board's voiced kana.
    for (const char* text : {"\u3000", " ", "_", "(^_^)", "(T_T)", "(", "^", "T", ")", "ぢ", "ヅ",
                             "ぽ", "ッ", "z", "/", "。"})
        QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
}

QTEST_GUILESS_MAIN(TestSelectionPanel)
#include "selection_panel_test.moc"
