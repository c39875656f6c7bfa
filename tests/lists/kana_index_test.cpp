#include "file_fixtures.h"
#include "lists/kana_index.h"
#include "lists/phrase_file.h"
#include "platform/colors.h"

#include <QtTest>

class TestKanaIndex : public QObject {
    Q_OBJECT
private slots:
    void heading_data();
    void heading();
    void headingsOncePerRun();
    void commandRowsStayOnTop_data();
    void commandRowsStayOnTop();

private:
    static void fill(GridModel& grid, const QStringList& texts) {
        grid.setCols(2);
        std::vector<QStringList> rows;
        for (const QString& text : texts)
            rows.push_back({QString(), text});
        grid.setAllTexts(rows);
    }
};

void TestKanaIndex::heading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("heading");
    const QStringList cases{u"おわり:あ行"_qs, u"が:か行"_qs, u"ご:が行"_qs, u"ぞ:ざ行"_qs,
                            u"ぽ:ぱ行"_qs,     u"っ:た行"_qs, u"を:わ行"_qs, u"ガ:カ行"_qs,
                            u"ゴ:ガ行"_qs,     u"ポ:パ行"_qs, u"ぁ:"_qs,     u"ゃ:"_qs,
                            u"ゎ:"_qs,         u"ー:"_qs,     u"ヴ:"_qs,     u"日記:"_qs,
                            u"A:"_qs,          u":"_qs};
    for (const QString& c : cases)
        QTest::newRow(qUtf8Printable(c)) << c.section(':', 0, 0) << c.section(':', 1);
}

void TestKanaIndex::heading() {
    QFETCH(QString, text);
    QFETCH(QString, heading);
    QCOMPARE(kanaRowHeading(text), heading);
}

void TestKanaIndex::headingsOncePerRun() {
    // "A" and "ー" have no heading and join the run above them.
    GridModel grid;
    fill(grid, {u"き"_qs, u"い"_qs, "", u"ア"_qs, u"あ"_qs, u"か"_qs, "A", u"ー"_qs});
    fillAddressIndex(grid);
    QCOMPARE(columnTexts(grid, 1),
             (QStringList{"", "A", u"あ"_qs, u"い"_qs, u"か"_qs, u"き"_qs, u"ア"_qs, u"ー"_qs}));
    QCOMPARE(columnTexts(grid, 0),
             (QStringList{"", "", u"あ行"_qs, "", u"か行"_qs, "", u"ア行"_qs, ""}));
}

void TestKanaIndex::commandRowsStayOnTop_data() {
    QTest::addColumn<QString>("early");
    for (const QString& early : {u"1番"_qs, u"OK"_qs, u"ぁ"_qs, u"ああ"_qs})
        QTest::newRow(qUtf8Printable(early)) << early;
}

void TestKanaIndex::commandRowsStayOnTop() {
    QFETCH(QString, early);
    const QString p = kPhrasePlaceholder;
    GridModel grid;
    fill(grid, {u"かさ"_qs, p, early, p, u"いす"_qs});
    grid.setColor(2, 1, bgrColor(colors::kHighlight));
    fillPhraseIndex(grid);
    QCOMPARE(columnTexts(grid, 1), (QStringList{p, p, early, u"いす"_qs, u"かさ"_qs}));
    QCOMPARE(columnTexts(grid, 0), (QStringList{u"あ行"_qs, "", "", "", u"か行"_qs}));
    QCOMPARE(grid.color(2, 1), bgrColor(colors::kHighlight)); // colours move with their row
}

QTEST_GUILESS_MAIN(TestKanaIndex)
#include "kana_index_test.moc"
