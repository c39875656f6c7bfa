#include "lists/kana_index.h"
#include "lists/phrase_file.h"
#include "platform/colors.h"
#include "platform/grid_model.h"

#include <QtTest>

class TestKanaIndex : public QObject {
    Q_OBJECT
private slots:
    void headingOfFirstCharacter_data();
    void headingOfFirstCharacter();
    void headingsOncePerRun();
    void commandRowsStayOnTop_data();
    void commandRowsStayOnTop();
    void addressListKeepsEmptyRowFirst();
    void emptyGridUnchanged();

private:
    static GridModel* grid(const QStringList& texts) {
        auto* model = new GridModel;
        model->setCols(2);
        std::vector<QStringList> rows;
        for (const QString& text : texts)
            rows.push_back({QString(), text});
        model->setAllTexts(rows);
        return model;
    }
    static QStringList column(const GridModel& grid, int col) {
        QStringList texts;
        for (int row = 0; row < grid.rows(); ++row)
            texts.append(grid.text(row, col));
        return texts;
    }
};

void TestKanaIndex::headingOfFirstCharacter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("heading");
    const QList<QPair<QString, QString>> cases{
        {u"あさ"_qs, u"あ行"_qs},
        {u"おわり"_qs, u"あ行"_qs},
        {u"が"_qs, u"か行"_qs},
        {u"ご"_qs, u"が行"_qs},
        {u"ぞ"_qs, u"ざ行"_qs},
        {u"ど"_qs, u"だ行"_qs},
        {u"ぼ"_qs, u"ば行"_qs},
        {u"ぽ"_qs, u"ぱ行"_qs},
        {u"ぃ"_qs, u"あ行"_qs},
        {u"っ"_qs, u"た行"_qs},
        {u"ゅ"_qs, u"や行"_qs},
        {u"を"_qs, u"わ行"_qs},
        {u"ガ"_qs, u"カ行"_qs},
        {u"ゴ"_qs, u"ガ行"_qs},
        {u"ポ"_qs, u"パ行"_qs},
        {u"ン"_qs, u"ワ行"_qs},
        {u"ぁ"_qs, ""},
        {u"ゃ"_qs, ""},
        {u"ゎ"_qs, ""},
        {u"ー"_qs, ""},
        {u"ヴ"_qs, ""},
        {u"ヶ"_qs, ""},
        {u"日記"_qs, ""},
        {"A", ""},
        {"1", ""},
        {"", ""},
    };
    for (const auto& [text, heading] : cases)
        QTest::newRow(qUtf8Printable(text.isEmpty() ? u"(empty)"_qs : text)) << text << heading;
}

void TestKanaIndex::headingOfFirstCharacter() {
    QFETCH(QString, text);
    QFETCH(QString, heading);
    QCOMPARE(kanaRowHeading(text), heading);
}

void TestKanaIndex::headingsOncePerRun() {
    // Sorted: "" A あ い か き ー ア; "A" and "ー" join the run above them.
    std::unique_ptr<GridModel> model(
        grid({u"き"_qs, u"い"_qs, "", u"ア"_qs, u"あ"_qs, u"か"_qs, "A", u"ー"_qs}));
    fillAddressIndex(*model);
    QCOMPARE(column(*model, 1),
             (QStringList{"", "A", u"あ"_qs, u"い"_qs, u"か"_qs, u"き"_qs, u"ア"_qs, u"ー"_qs}));
    QCOMPARE(column(*model, 0),
             (QStringList{"", "", u"あ行"_qs, "", u"か行"_qs, "", u"ア行"_qs, ""}));
}

void TestKanaIndex::commandRowsStayOnTop_data() {
    QTest::addColumn<QString>("early");
    QTest::newRow("digit") << u"1番"_qs;
    QTest::newRow("Latin letter") << u"OK"_qs;
    QTest::newRow("small a") << u"ぁ"_qs;
    QTest::newRow("two a") << u"ああ"_qs;
}

void TestKanaIndex::commandRowsStayOnTop() {
    QFETCH(QString, early);
    const QString p = kPhrasePlaceholder;
    std::unique_ptr<GridModel> model(grid({u"かさ"_qs, p, early, p, u"いす"_qs}));
    model->setColor(2, 1, bgrColor(colors::kHighlight));
    fillPhraseIndex(*model);
    QCOMPARE(column(*model, 1), (QStringList{p, p, early, u"いす"_qs, u"かさ"_qs}));
    QCOMPARE(model->text(0, 0), u"あ行"_qs);
    QCOMPARE(model->text(4, 0), u"か行"_qs);
    QCOMPARE(model->color(2, 1), bgrColor(colors::kHighlight)); // colours move with their row
}

void TestKanaIndex::addressListKeepsEmptyRowFirst() {
    std::unique_ptr<GridModel> model(grid({"", u"山田,a@b"_qs, u"あべ,c@d"_qs}));
    fillAddressIndex(*model);
    QCOMPARE(column(*model, 1), (QStringList{"", u"あべ,c@d"_qs, u"山田,a@b"_qs}));
    QCOMPARE(column(*model, 0), (QStringList{"", u"あ行"_qs, ""}));
}

void TestKanaIndex::emptyGridUnchanged() {
    GridModel model;
    model.setCols(2);
    fillPhraseIndex(model);
    fillAddressIndex(model);
    QCOMPARE(model.rows(), 0);
}

QTEST_GUILESS_MAIN(TestKanaIndex)
#include "tst_kanaindex.moc"
