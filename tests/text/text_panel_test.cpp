#include "window_fixture.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace {
// A panel state in one string: the selection in brackets, "あ[い]う_" for the
// block on "い", "あ[]いう_" for the caret alone.
void set(TextPanel& panel, QString notation) {
    const int start = notation.indexOf(QLatin1Char('['));
    const int length = notation.indexOf(QLatin1Char(']')) - start - 1;
    panel.setText(notation.remove(QLatin1Char('[')).remove(QLatin1Char(']')));
    panel.select(start, length);
}

QString render(const TextPanel& panel) {
    const int s = panel.selStart();
    return panel.text().insert(s + panel.selLength(), QLatin1Char(']')).insert(s, QLatin1Char('['));
}
} // namespace

// The text panel of the main window: it wraps anywhere.
class TextPanelTest : public QObject {
    Q_OBJECT
private:
    WindowFixture f;
    TalkWindow& m_window = f.open();
    TextPanel& m_panel = f.panel();
    QPlainTextEdit* m_edit = f.c().txtTalk;

private slots:
    // "か" entered at the caret; "" stands for insertAtCaret, else a caret button
    // and whether it may repeat.
    void steps_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("repeats");
        const auto add = [](const char* name, const char* button, const char* before,
                            const char* after, bool repeats) {
            QTest::newRow(name) << QString::fromUtf8(button) << QString::fromUtf8(before)
                                << QString::fromUtf8(after) << repeats;
        };
        add("entry at the end", "", "あ[_]", "あか[]_", false);
        add("entry in the middle", "", "あ[い]う_", "あか[]いう_", false);
        add("entry without marker", "", "[]あいう", "か[]あいう_", false);
        add("→", "→", "[あ]いう_", "あ[い]う_", true);
        add("→ appends the marker", "→", "あい[う]", "あいう[_]", false);
        add("ＢＳ on the marker", "ＢＳ", "あいう[_]", "あい[_]", false);
        add("ＢＳ on a lone marker", "ＢＳ", "[_]", "[_]", false);
        add("ＢＳ on a block", "ＢＳ", "あ[い]う_", "[あ]う_", false);
        add("ＢＳ without block", "ＢＳ", "あい[]う_", "あ[う]_", false);
        add("←", "←", "あ[い]う_", "[あ]いう_", true);
        add("← at 0", "←", "[あ]いう_", "[あ]いう_", false);
    }
    void steps() {
        QFETCH(QString, button);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, repeats);
        set(m_panel, before);
        bool more = false;
        if (button.isEmpty())
            m_panel.insertAtCaret("か");
        else if (button == "→")
            more = m_panel.stepRight();
        else if (button == "←")
            more = m_panel.stepLeft();
        else
            m_panel.backspace();
        QCOMPARE(render(m_panel), after);
        QCOMPARE(more, repeats);
    }

    void linesFollowTheWrappedText() {
        m_panel.setText(QString(80, QLatin1Char('a')));
        const QTextBlock block = m_edit->document()->firstBlock();
        m_edit->document()->documentLayout()->blockBoundingRect(block);
        const int k = block.layout()->lineAt(0).textLength();
        QVERIFY(k > 3 && k < 60);
        m_panel.setText(QString(3 * k + 2, QLatin1Char('a')));
        m_panel.select(2, 1);
        m_panel.lineDown();
        m_panel.lineDown();
        QCOMPARE(m_panel.selStart(), 2 + 2 * k);
        m_panel.lineUp();
        QCOMPARE(m_panel.selStart(), 2 + k);
        QCOMPARE(m_panel.selLength(), 1);
        QCOMPARE(m_edit->textCursor().position(), 2 + k); // caret at the left edge
    }

    // Positions are ints: a text beyond 32 767 characters works as any
    // other, and the focus leaves the block where it was.
    void longTextKeepsTheCaret() {
        m_panel.setText(QString(39999, QChar(0x3042)) + QLatin1Char('_'));
        m_panel.select(39000, 1);
        m_panel.insertAtCaret("い");
        m_panel.selectBlock();
        QCOMPARE(m_panel.length(), 40001);
        QLineEdit other(&m_window);
        other.show();
        QApplication::setActiveWindow(&m_window);
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
        other.setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(other.hasFocus());
        m_edit->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(m_edit->hasFocus());
        QCOMPARE(m_panel.selStart(), 39001);
        QCOMPARE(m_panel.selLength(), 1);
    }
};

QTEST_MAIN(TextPanelTest)
#include "text_panel_test.moc"
