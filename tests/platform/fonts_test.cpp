#include "platform/fonts.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

QImage drawn(const QFont& font, const QString& text) {
    QImage image(1600, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

} // namespace

class TestFonts : public QObject {
    Q_OBJECT
private slots:
    // A face names the installed ones of its families, in their order.
    void namesInstalledFamiliesInOrder() {
        for (const FontFace face : {FontFace::Gothic, FontFace::PGothic}) {
            const QStringList design = designFamilies(face);
            const QStringList families = makeFont({face}).families();
            QVERIFY(!families.isEmpty());
            qsizetype next = 0;
            for (const QString& family : families) {
                QVERIFY2(QFontDatabase::hasFamily(family), qPrintable(family));
                next = design.indexOf(family, next) + 1;
                QVERIFY2(next > 0, qPrintable(family));
            }
        }
    }

    // Kana, kanji, full-width and ASCII letters, symbols and characters that
    // only a fallback font has are drawn pixel for pixel as with all the
    // design's families named, in the sizes and weights of the window.
    void drawsAsAllDesignFamiliesDo_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        for (const FontFace face : {FontFace::Gothic, FontFace::PGothic})
            for (const double points : {15.75, 36.0, 54.75, 114.75})
                for (const bool bold : {false, true})
                    QTest::addRow("%s %g%s", face == FontFace::Gothic ? "gothic" : "p-gothic",
                                  points, bold ? " bold" : "")
                        << int(face) << points << bold;
    }
    void drawsAsAllDesignFamiliesDo() {
        QFETCH(int, face);
        QFETCH(double, points);
        QFETCH(bool, bold);
        const QFont font = makeFont({FontFace(face), points, bold}, 0.5);
        QFont allNamed = font;
        allNamed.setFamilies(designFamilies(FontFace(face)));
        for (const QString& text : {QStringLiteral("あがぱゃっアヴヵー漢字終了"),
                                    QStringLiteral("ＢＳ０ab12!?（）、。「」"),
                                    QStringLiteral("↓←♪★①㈱€"), QStringLiteral("😀𠮷ﾊﾝ")})
            QCOMPARE(drawn(font, text), drawn(allNamed, text));
    }
};

QTEST_MAIN(TestFonts)
#include "fonts_test.moc"
