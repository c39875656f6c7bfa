#include "platform/first_paint.h"
#include "platform/fonts.h"
#include "platform/start_up_memory.h"

#include <QFile>
#include <QPainter>
#include <QWidget>
#include <QtTest>

namespace {

// Resident kilobytes of the font files mapped read-only into this process.
int fontFileResidentKb() {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return -1;
    int kb = 0;
    bool counted = false;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        if (line.contains('-') && line.contains(" r") && line.count(' ') >= 5)
            counted = !line.contains(" rw") &&
                      (line.endsWith(".ttf") || line.endsWith(".otf") || line.endsWith(".ttc"));
        else if (counted && line.startsWith("Rss:"))
            kb += line.mid(4).trimmed().split(' ').first().toInt();
    }
    return kb;
}

// Whether the text leaves ink where it is drawn.
bool drawsInk(const QString& text, int pixelSize) {
    QImage image(400, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage blank = image;
    QPainter painter(&image);
    QFont font = makeFont({FontFace::PGothic, 36, false});
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    return image != blank;
}

} // namespace

class TestStartUpMemory : public QObject {
    Q_OBJECT
private slots:
    // The action waits for the first painting and runs once.
    void firstPaintRunsItsActionOnce() {
        QWidget window;
        int runs = 0;
        new FirstPaint(&window, [&runs] { ++runs; });
        QTest::qWait(20);
        QCOMPARE(runs, 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(runs, 1);
        window.repaint();
        QTest::qWait(20);
        QCOMPARE(runs, 1);
    }

    // The font pages go; characters drawn afterwards read them back.
    void fontPagesGoAndComeBack() {
        QVERIFY(drawsInk(QStringLiteral("例文表示"), 48));
        QVERIFY(fontFileResidentKb() > 0);
        releaseStartUpMemory();
        QCOMPARE(fontFileResidentKb(), 0);
        QVERIFY(drawsInk(QStringLiteral("読み上げ中止"), 61));
    }
};

QTEST_MAIN(TestStartUpMemory)
#include "start_up_memory_test.moc"
