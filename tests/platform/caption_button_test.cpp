#include "platform/back_color.h"
#include "platform/caption_button.h"
#include "platform/fonts.h"

#include <QtTest>

namespace {

bool holds(const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

} // namespace

class TestCaptionButton : public QObject {
    Q_OBJECT
private slots:
    // A coloured button fills with its colour inside a two-pixel grey bevel
    // that is raised, sunken while pressed, and greys its caption when disabled.
    void drawsColourBevelAndCaption() {
        const QColor color(0xC0, 0xC0, 0xFF);
        const QColor shadow(0xA0, 0xA0, 0xA0);
        const QColor light = shadow.lighter();
        CaptionButton button(QStringLiteral("戻る"));
        setBackColor(&button, color);
        button.setFont(makeFont({FontFace::PGothic, 36, true}));
        button.resize(235, 83);
        const int w = button.width();
        const int mid = button.height() / 2;

        QImage image = button.grab().toImage();
        QCOMPARE(image.pixelColor(10, 10), color);
        QCOMPARE(image.pixelColor(1, mid), light);
        QCOMPARE(image.pixelColor(w - 2, mid), shadow);
        QVERIFY(holds(image, Qt::black));

        button.setDown(true);
        image = button.grab().toImage();
        QCOMPARE(image.pixelColor(1, mid), shadow);
        QCOMPARE(image.pixelColor(w - 2, mid), light);

        button.setDown(false);
        button.setEnabled(false);
        image = button.grab().toImage();
        QVERIFY(holds(image, QColor(0x80, 0x80, 0x80)));
        QVERIFY(!holds(image, Qt::black));
    }
};

QTEST_MAIN(TestCaptionButton)
#include "caption_button_test.moc"
