#include "file_fixtures.h"
#include "lists/kana_index.h"

#include <QtTest>

class TestKanaIndex : public QObject {
    Q_OBJECT
    static void fill(GridModel& grid, const QStringList& texts) {
        grid.setCols(2);
        std::vector<QStringList> rows;
        for (const QString& text : texts)
            rows.push_back({QString(), text});
        grid.setAllTexts(rows);
    }

private slots:
    void heading_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("heading");
        for (const QString& c :
             {u"が:か行"_qs, u"ご:が行"_qs, u"ぽ:ぱ行"_qs, u"を:わ行"_qs, u"ゴ:ガ行"_qs, u"ぁ:"_qs,
              u"ゃ:"_qs, u"ゎ:"_qs, u"ー:"_qs, u"ヴ:"_qs, u"日記:"_qs, u":"_qs})
            QTest::newRow(qUtf8Printable(c)) << c.section(':', 0, 0) << c.section(':', 1);
    }
    void heading() {
        QFETCH(QString, text);
        QFETCH(QString, heading);
        QCOMPARE(kanaRowHeading(text), heading);
    }

    // The empty new entry sorts first; "A" and "ー" join the run above them.
    void headingsOncePerRun() {
        GridModel grid;
        fill(grid, {u"き"_qs, u"い"_qs, "", u"ア"_qs, u"あ"_qs, u"か"_qs, "A", u"ー"_qs});
        fillAddressIndex(grid);
        QCOMPARE(columnTexts(grid, 1), (QStringList{"", "A", u"あ"_qs, u"い"_qs, u"か"_qs, u"き"_qs,
                                                    u"ア"_qs, u"ー"_qs}));
        QCOMPARE(columnTexts(grid, 0),
                 (QStringList{"", "", u"あ行"_qs, "", u"か行"_qs, "", u"ア行"_qs, ""}));
    }
};

QTEST_GUILESS_MAIN(TestKanaIndex)
#include "kana_index_test.moc"
