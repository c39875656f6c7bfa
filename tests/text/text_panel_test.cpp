#include "text/text_panel.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QVBoxLayout>

namespace {
// A panel state in one string: the block in brackets ("あ[い]う_"), or the
// caret as "|" when nothing is selected ("あ|いう_").
struct State {
    QString text;
    int start = 0;
    int length = 0;
};

State parse(QString notation) {
    State state;
    state.start = notation.indexOf(QLatin1Char('['));
    if (state.start >= 0) {
        const int end = notation.indexOf(QLatin1Char(']'));
        state.length = end - state.start - 1;
        notation.remove(end, 1).remove(state.start, 1);
    } else {
        state.start = notation.indexOf(QLatin1Char('|'));
        if (state.start < 0)
            qFatal("a panel state needs a caret or a block");
        notation.remove(state.start, 1);
    }
    state.text = notation;
    return state;
}

QString render(const TextPanel& panel) {
    QString text = panel.text();
    const int s = panel.selStart();
    if (panel.selLength() == 0)
        return text.insert(s, QLatin1Char('|'));
    return text.insert(s + panel.selLength(), QLatin1Char(']')).insert(s, QLatin1Char('['));
}

enum Step { Right, Backspace, Left };
} // namespace

class TextPanelTest : public QObject {
    Q_OBJECT
private:
    QWidget* m_window = nullptr;
    QPlainTextEdit* m_edit = nullptr;
    QLineEdit* m_other = nullptr;
    TextPanel* m_panel = nullptr;

    void set(const QString& notation) {
        const State state = parse(notation);
        m_panel->setText(state.text);
        m_panel->select(state.start, state.length);
    }
    // Characters on the first visual line of the first paragraph.
    int lineLength() {
        m_edit->document()->documentLayout()->blockBoundingRect(m_edit->document()->firstBlock());
        return m_edit->document()->firstBlock().layout()->lineAt(0).textLength();
    }

private slots:
    void init() {
        m_window = new QWidget;
        m_edit = new QPlainTextEdit(m_window);
        m_edit->setWordWrapMode(QTextOption::WrapAnywhere);
        m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QFont font(QStringLiteral("monospace"));
        font.setPixelSize(16);
        m_edit->setFont(font);
        m_other = new QLineEdit(m_window);
        auto* layout = new QVBoxLayout(m_window);
        layout->addWidget(m_edit);
        layout->addWidget(m_other);
        m_window->resize(240, 300);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_panel = new TextPanel(m_edit);
    }
    void cleanup() {
        delete m_panel;
        delete m_window;
    }

    void insertAtCaret_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("after");
        QTest::newRow("first entry") << "|"
                                     << "あ"
                                     << "あ|_";
        QTest::newRow("at the end") << "あ[_]"
                                    << "い"
                                    << "あい|_";
        QTest::newRow("in the middle, block kept") << "あ[い]う_"
                                                   << "か"
                                                   << "あか|いう_";
        QTest::newRow("caret only") << "あい|う_"
                                    << "か"
                                    << "あいか|う_";
        QTest::newRow("marker missing") << "|あいう"
                                        << "か"
                                        << "か|あいう_";
        QTest::newRow("two characters") << "[_]"
                                        << "きゃ"
                                        << "きゃ|_";
        QTest::newRow("nothing") << "あ[_]"
                                 << ""
                                 << "あ|_";
    }
    void insertAtCaret() {
        QFETCH(QString, before);
        QFETCH(QString, inserted);
        QFETCH(QString, after);
        set(before);
        m_panel->insertAtCaret(inserted);
        QCOMPARE(render(*m_panel), after);
    }

    void blockFollowsEntry() {
        set("|");
        m_panel->insertAtCaret("あ");
        m_panel->selectBlock();
        QCOMPARE(render(*m_panel), QString("あ[_]"));
        set("あ_|");
        m_panel->selectBlock();
        QCOMPARE(render(*m_panel), QString("あ_|"));
    }

    void caretButtons_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("repeats");
        QTest::newRow("→ moves the block") << int(Right) << "[あ]いう_"
                                           << "あ[い]う_" << true;
        QTest::newRow("→ onto the marker") << int(Right) << "あい[う]_"
                                           << "あいう[_]" << true;
        QTest::newRow("→ stops on the marker") << int(Right) << "あいう[_]"
                                               << "あいう[_]" << false;
        QTest::newRow("→ appends the marker") << int(Right) << "あい[う]"
                                              << "あいう[_]" << false;
        QTest::newRow("→ without block") << int(Right) << "あ|いう_"
                                         << "あ[い]う_" << true;
        QTest::newRow("→ at the end") << int(Right) << "あいう_|"
                                      << "あいう_|" << false;
        QTest::newRow("→ on empty text") << int(Right) << "|"
                                         << "|" << false;
        QTest::newRow("ＢＳ on the marker") << int(Backspace) << "あいう[_]"
                                            << "あい[_]" << false;
        QTest::newRow("ＢＳ on a lone marker") << int(Backspace) << "[_]"
                                               << "[_]" << false;
        QTest::newRow("ＢＳ before the marker") << int(Backspace) << "あいう|_"
                                                << "あい[_]" << false;
        QTest::newRow("ＢＳ on a block") << int(Backspace) << "あ[い]う_"
                                         << "[あ]う_" << false;
        QTest::newRow("ＢＳ on the first") << int(Backspace) << "[あ]いう_"
                                           << "[い]う_" << false;
        QTest::newRow("ＢＳ on a wider selection") << int(Backspace) << "あ[いう]え_"
                                                   << "[あ]え_" << false;
        QTest::newRow("ＢＳ without block") << int(Backspace) << "あい|う_"
                                            << "あ[う]_" << false;
        QTest::newRow("ＢＳ at the start") << int(Backspace) << "|あい_"
                                           << "[あ]い_" << false;
        QTest::newRow("← moves the block") << int(Left) << "あ[い]う_"
                                           << "[あ]いう_" << true;
        QTest::newRow("← without block") << int(Left) << "あい|う_"
                                         << "あ[い]う_" << true;
        QTest::newRow("← at 0") << int(Left) << "[あ]いう_"
                                << "[あ]いう_" << false;
    }
    void caretButtons() {
        QFETCH(int, step);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, repeats);
        set(before);
        bool more = false;
        switch (step) {
        case Right:
            more = m_panel->stepRight();
            break;
        case Backspace:
            m_panel->backspace();
            break;
        case Left:
            more = m_panel->stepLeft();
            break;
        }
        QCOMPARE(render(*m_panel), after);
        QCOMPARE(more, repeats);
    }

    void leftLeavesTheCaretAtTheBlocksLeftEdge() {
        set("あい[う]_");
        m_panel->stepLeft();
        m_panel->stepLeft();
        QCOMPARE(render(*m_panel), QString("[あ]いう_"));
        QCOMPARE(m_edit->textCursor().position(), 0);
    }

    void linesFollowTheWrappedText() {
        m_panel->setText(QString(80, QLatin1Char('a')));
        const int k = lineLength();
        QVERIFY2(k > 3 && k < 60, qPrintable(QString::number(k)));
        m_panel->setText(QString(3 * k + 2, QLatin1Char('a')));
        m_panel->select(2, 1);
        m_panel->lineDown();
        QCOMPARE(m_panel->selStart(), 2 + k);
        QCOMPARE(m_panel->selLength(), 1);
        m_panel->lineDown();
        QCOMPARE(m_panel->selStart(), 2 + 2 * k);
        m_panel->lineUp();
        QCOMPARE(m_panel->selStart(), 2 + k);
        QCOMPARE(m_panel->selLength(), 1);
        QCOMPARE(m_edit->textCursor().position(), 2 + k); // caret at the left edge

        // The last line is short: down takes its last character, then stays.
        m_panel->select(2 * k + 5, 1);
        m_panel->lineDown();
        QCOMPARE(m_panel->selStart(), 3 * k + 1);
        m_panel->lineDown();
        QCOMPARE(m_panel->selStart(), 3 * k + 1);
        // The first line stays too.
        m_panel->select(1, 1);
        m_panel->lineUp();
        QCOMPARE(m_panel->selStart(), 1);
        QCOMPARE(m_panel->selLength(), 1);
    }

    void linesAcrossParagraphs() {
        set("|abcdef\nxy\n\nuvw_");
        m_panel->select(4, 1);
        m_panel->lineDown();
        QCOMPARE(render(*m_panel), QString("abcdef\nx[y]\n\nuvw_"));
        m_panel->lineDown();
        QCOMPARE(render(*m_panel), QString("abcdef\nxy\n|\nuvw_"));
        m_panel->lineDown();
        QCOMPARE(render(*m_panel), QString("abcdef\nxy\n\n[u]vw_"));
        m_panel->lineUp();
        m_panel->lineUp();
        QCOMPARE(render(*m_panel), QString("abcdef\n[x]y\n\nuvw_"));
    }

    // The caret position is an int: a text beyond 32 767 characters is
    // handled like any other, and the focus leaves the block where it was.
    void longTextKeepsTheCaret() {
        m_panel->setText(QString(39999, QChar(0x3042)) + QLatin1Char('_'));
        m_panel->select(39000, 1);
        m_panel->insertAtCaret("い");
        m_panel->selectBlock();
        QCOMPARE(m_panel->length(), 40001);
        QCOMPARE(m_panel->selStart(), 39001);
        QCOMPARE(m_panel->selLength(), 1);
        QVERIFY(m_panel->stepRight());
        QCOMPARE(m_panel->selStart(), 39002);

        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_other->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(m_other->hasFocus());
        m_edit->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(m_edit->hasFocus());
        m_other->setFocus(Qt::MouseFocusReason);
        m_panel->focus();
        QTRY_VERIFY(m_edit->hasFocus());
        QCOMPARE(m_panel->selStart(), 39002);
        QCOMPARE(m_panel->selLength(), 1);
    }
};

QTEST_MAIN(TextPanelTest)
#include "text_panel_test.moc"
