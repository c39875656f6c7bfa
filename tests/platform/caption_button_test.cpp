#include "platform/back_color.h"
#include "platform/caption_button.h"
#include "platform/fonts.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QtTest>

namespace {

// A coloured button as it was drawn through a style sheet, before caption
// buttons drew their colour themselves.
class StyleSheetButton final : public QPushButton {
public:
    StyleSheetButton(const QString& caption, const QColor& color, QWidget* parent)
        : QPushButton(caption, parent) {
        setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                     " border: 2px outset #a0a0a0; }"
                                     " QPushButton:pressed { border-style: inset; }"
                                     " QPushButton:disabled { color: #808080; }")
                          .arg(color.name()));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWrapAnywhere, text());
    }
};

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
        auto* former = new StyleSheetButton(QStringLiteral("戻る"), color, &window);
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
        QCOMPARE(backColor(button), color);
    }
};

QTEST_MAIN(TestCaptionButton)
#include "caption_button_test.moc"
