#include "access/pointer_mark.h"
#include "access/pointer_mark_view.h"
#include "back_colours.h"
#include "manual_access_clock.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTest>

namespace {
double luma(QRgb c) {
    return (0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c)) / 255.0;
}

// The largest difference in lightness from the back colour within rect.
double contrast(const QImage& image, const QRect& rect, QRgb back) {
    double most = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            most = qMax(most, qAbs(luma(image.pixel(x, y)) - luma(back)));
    return most;
}

class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
} // namespace

class PointerMarkTest : public QObject {
    Q_OBJECT
private slots:
    // A board cell from half to three times the design size, on each colour:
    // the frame and the fill stand out, the part still to fill shows the
    // target as it is.
    void visibleOnEveryBackColourAtEveryScale() {
        for (const double scale : {0.5, 1.0, 2.0, 3.0}) {
            const QSize size(qRound(102 * scale), qRound(76 * scale));
            int frameWidth = 0;
            for (const quint32 colour : kBackColours) {
                const QRgb back = bgrColor(colour).rgb();
                QImage image(size, QImage::Format_RGB32);
                image.fill(back);
                QPainter painter(&image);
                PointerMarkView::paint(painter, image.rect(), 0.5);
                painter.end();
                const QString where = QString("scale %1, colour %2").arg(scale).arg(colour, 0, 16);
                const int w = size.width(), h = size.height();
                QVERIFY2(contrast(image, {w / 2, 0, 1, h / 8}, back) >= 0.45, qPrintable(where));
                QVERIFY2(contrast(image, {w / 4, h * 5 / 8, w / 2, h / 4}, back) >= 0.2,
                         qPrintable(where));
                QVERIFY2(contrast(image, {w / 4, h / 8 + 4, w / 2, h / 4}, back) == 0,
                         qPrintable(where));
                frameWidth = 0;
                while (image.pixel(w / 2, frameWidth) == qRgb(0, 0, 0))
                    ++frameWidth;
            }
            // the lines keep their proportion to the target
            QVERIFY(frameWidth >= 2);
            QVERIFY(frameWidth >= size.height() / 40 && frameWidth <= size.height() / 10 + 2);
        }
    }

    void coversItsTargetAndRepaintsOnlyIt() {
        QWidget window;
        window.resize(420, 200);
        auto* target = new QPushButton("a", &window);
        target->setGeometry(10, 40, 150, 100);
        auto* beside = new QPushButton("b", &window);
        beside->setGeometry(200, 40, 150, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        ManualAccessClock clock;
        PointerMark mark(clock);
        // during a dead time the mark waits for the dwell to start
        mark.show({target}, clock.now() + 500, 1000);
        QVERIFY(!mark.isShown());
        clock.advance(500);
        QVERIFY(mark.isShown());
        QCOMPARE(mark.view()->geometry(), target->geometry());
        QCoreApplication::processEvents();

        PaintCounter besideCount(beside);
        PaintCounter targetCount(target);
        PaintCounter markCount(mark.view());
        for (int i = 0; i < 10; ++i) {
            clock.advance(100);
            QCoreApplication::processEvents();
        }
        QCOMPARE(besideCount.paints, 0);
        QVERIFY(targetCount.paints > 0);
        QVERIFY(markCount.paints > 0 && markCount.paints <= 1000 / 30 + 1);
        QCOMPARE(mark.view()->progress(), 1.0);

        mark.hide();
        QVERIFY(!mark.isShown());
    }
};

QTEST_MAIN(PointerMarkTest)
#include "pointer_mark_test.moc"
