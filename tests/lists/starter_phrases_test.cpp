#include "board/phrase_candidates.h"
#include "lists/kana_index.h"
#include "lists/phrase_file.h"
#include "platform/grid_model.h"

#include <QSet>
#include <QTest>

// The phrase book shipped for the first start, read by the program's loader.
class StarterPhrasesTest : public QObject {
    Q_OBJECT
private slots:
    void loadsWithCommandRowsAndDistinctPhrases() {
        GridModel grdEx;
        QStringList texts;
        loadPhraseFile(TALK_STARTER_PHRASES, grdEx, texts);
        fillPhraseIndex(grdEx);
        QVERIFY2(grdEx.rows() >= 90, qPrintable(QString::number(grdEx.rows())));
        QCOMPARE(grdEx.text(0, 1), kPhrasePlaceholder);
        QCOMPARE(grdEx.text(1, 1), kPhrasePlaceholder);
        QSet<QString> seen;
        for (int row = 2; row < grdEx.rows(); ++row) {
            const QString phrase = grdEx.text(row, 1);
            QVERIFY2(!phrase.isEmpty() && !seen.contains(phrase), qPrintable(phrase));
            QVERIFY(phrase != kPhrasePlaceholder);
            seen.insert(phrase);
        }
        // typing a greeting's beginning offers it
        QVERIFY(!matchingPhrases(texts, QStringLiteral("あり")).isEmpty());
        QVERIFY(!matchingPhrases(texts, QStringLiteral("おは")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(StarterPhrasesTest)
#include "starter_phrases_test.moc"
