#include "platform/back_color.h"
#include "platform/caption_button.h"
#include "platform/fonts.h"

#include <QtTest>

namespace {

// A coloured button as it was drawn before caption buttons drew their colour
// themselves: through a style sheet. A caption button without a colour of its
// own still leaves its drawing to the style.
CaptionButton* styleSheetButton(const QString& caption, const QColor& color, QWidget* parent) {
    auto* button = new CaptionButton(caption, parent);
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                         " border: 2px outset #a0a0a0; }"
                                         " QPushButton:pressed { border-style: inset; }"
                                         " QPushButton:disabled { color: #808080; }")
                              .arg(color.name()));
    return button;
}

} // namespace

class TestCaptionButton : public QObject {
    Q_OBJECT
private slots:
    // Raised, pressed and disabled, the button looks exactly as it did.
    void drawsAsTheStyleSheetDid_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("enabled");
        for (const QSize size : {QSize(235, 83), QSize(27, 71)}) {
            const QByteArray tag = QByteArray::number(size.width());
            QTest::newRow(tag + " raised") << size << false << true;
            QTest::newRow(tag + " pressed") << size << true << true;
            QTest::newRow(tag + " disabled") << size << false << false;
        }
    }
    void drawsAsTheStyleSheetDid() {
        QFETCH(QSize, size);
        QFETCH(bool, down);
        QFETCH(bool, enabled);
        QWidget window;
        const QColor color(0xC0, 0xC0, 0xFF);
        auto* former = styleSheetButton(QStringLiteral("戻る"), color, &window);
        auto* button = new CaptionButton(QStringLiteral("戻る"), &window);
        setBackColor(button, color);
        for (QPushButton* b :
             {static_cast<QPushButton*>(former), static_cast<QPushButton*>(button)}) {
            b->setFont(makeFont({FontFace::PGothic, 36, true}));
            b->resize(size);
            b->setDown(down);
            b->setEnabled(enabled);
        }
        QCOMPARE(button->grab().toImage(), former->grab().toImage());
    }
};

QTEST_MAIN(TestCaptionButton)
#include "caption_button_test.moc"
