#pragma once

#include <QString>

class QPlainTextEdit;
class QTextCursor;

// The text panel txtTalk as the rest of the system sees it: its text, the
// caret and selection as selStart/selLength in UTF-16 code units, and the
// editing steps of the on-screen caret buttons. The current position is shown
// as the cursor block (a selection of one character); once anything has been
// entered the text ends with the end marker "_". Every step changes the
// panel's cursor directly, so the effect is immediate and exact.
class TextPanel final {
public:
    explicit TextPanel(QPlainTextEdit* edit);

    QString text() const;
    // Replaces the text; the caret goes to 0.
    void setText(const QString& text);
    int length() const;
    int selStart() const;
    int selLength() const;
    // Selects length characters from start, with the caret at their right
    // edge; both are clamped to the text.
    void select(int start, int length);
    void setCaret(int position) { select(position, 0); }
    void focus();
    bool isShown() const;

    // Inserts s before the caret, never replacing the block, keeps the end
    // marker at the end and leaves the caret after s without a selection.
    void insertAtCaret(const QString& s);
    // Selects the one character right of the caret as the block.
    void selectBlock();
    // Appends the end marker when the text does not end with it; true if it did.
    bool appendEndMarker();
    // Appends text after everything, leaving caret and selection as they are.
    void append(const QString& text);

    // The caret buttons. Those that may repeat return whether the next
    // repetition may follow.
    bool stepRight(); // "→"
    void backspace(); // "ＢＳ"
    bool stepLeft();  // "←"
    void lineDown();  // "↓"
    void lineUp();    // "↑"

private:
    QChar charAt(int position) const;
    void remove(int start, int length);
    // Selects one character with the caret at its left edge.
    void selectFromRight(int start);
    void moveBlockVertically(int lines);
    void apply(const QTextCursor& cursor);

    QPlainTextEdit* m_edit;
};
