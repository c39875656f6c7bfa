#include "text/text_panel.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace {
const QChar kEndMarker = QLatin1Char('_');
} // namespace

TextPanel::TextPanel(QPlainTextEdit* edit)
    : m_edit(edit) {}

QString TextPanel::text() const {
    return m_edit->toPlainText();
}

void TextPanel::setText(const QString& text) {
    m_edit->setPlainText(text);
}

// The document always holds one closing paragraph separator beyond the text.
int TextPanel::length() const {
    return m_edit->document()->characterCount() - 1;
}

int TextPanel::selStart() const {
    return m_edit->textCursor().selectionStart();
}

int TextPanel::selLength() const {
    const QTextCursor cursor = m_edit->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TextPanel::select(int start, int length) {
    const int total = this->length();
    start = qBound(0, start, total);
    length = qBound(0, length, total - start);
    QTextCursor cursor = m_edit->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    apply(cursor);
}

void TextPanel::focus() {
    m_edit->setFocus();
}

bool TextPanel::isShown() const {
    return m_edit->isVisibleTo(m_edit->window());
}

QChar TextPanel::charAt(int position) const {
    return m_edit->document()->characterAt(position);
}

void TextPanel::apply(const QTextCursor& cursor) {
    m_edit->setTextCursor(cursor);
}

void TextPanel::remove(int start, int length) {
    QTextCursor cursor(m_edit->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void TextPanel::selectFromRight(int start) {
    QTextCursor cursor = m_edit->textCursor();
    cursor.setPosition(start + 1);
    cursor.setPosition(start, QTextCursor::KeepAnchor);
    apply(cursor);
}

void TextPanel::insertAtCaret(const QString& s) {
    QTextCursor cursor = m_edit->textCursor();
    cursor.setPosition(cursor.selectionStart());
    cursor.insertText(s);
    // The insertion's own end: a line break in s may change its length.
    const int caret = cursor.position();
    appendEndMarker();
    setCaret(caret);
}

void TextPanel::selectBlock() {
    const int caret = m_edit->textCursor().position();
    select(caret, 1);
}

bool TextPanel::appendEndMarker() {
    const int total = length();
    if (total > 0 && charAt(total - 1) == kEndMarker)
        return false;
    append(QString(kEndMarker));
    return true;
}

void TextPanel::append(const QString& text) {
    QTextCursor cursor(m_edit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

bool TextPanel::stepRight() {
    const int s = selStart();
    const int n = selLength();
    const int total = length();
    if (total == s + 1 && charAt(total - 1) != kEndMarker) {
        appendEndMarker();
        select(total, 1);
        return false;
    }
    if (total < s + 2)
        return false;
    select(n != 0 ? s + 1 : s, 1);
    return true;
}

void TextPanel::backspace() {
    const int s = selStart();
    const int n = selLength();
    const int total = length();
    if (total == s + 1 && charAt(total - 1) == kEndMarker) {
        // On the end marker, or just before it: the character before the
        // marker goes and the block stays on the marker.
        if (total >= 2)
            remove(total - 2, 1);
        select(length() - 1, 1);
        return;
    }
    int position = s;
    if (n > 0) {
        remove(s, n);
        position = qMax(s - 1, 0);
    } else if (s > 0) {
        remove(s - 1, 1);
        position = s - 1;
    }
    select(position, 1);
}

bool TextPanel::stepLeft() {
    const int s = selStart();
    if (s == 0)
        return false;
    selectFromRight(s - 1);
    return true;
}

void TextPanel::lineDown() {
    moveBlockVertically(1);
}

void TextPanel::lineUp() {
    moveBlockVertically(-1);
}

// Moves the block to the character at the same horizontal place in the
// next or previous visual line (wrapped lines count as lines). At the first
// or last line nothing moves; on a shorter line the block takes its last
// character; an empty line gets the caret without a block.
void TextPanel::moveBlockVertically(int lines) {
    QTextDocument* document = m_edit->document();
    QAbstractTextDocumentLayout* documentLayout = document->documentLayout();
    const int s = selStart();
    QTextBlock block = document->findBlock(s);
    documentLayout->blockBoundingRect(block); // lays the block out if it is not yet
    QTextLine line = block.layout()->lineForTextPosition(s - block.position());
    if (!line.isValid())
        return;
    const qreal x = line.cursorToX(s - block.position());

    QTextLine target;
    const int index = line.lineNumber() + lines;
    if (index >= 0 && index < block.layout()->lineCount()) {
        target = block.layout()->lineAt(index);
    } else {
        block = lines > 0 ? block.next() : block.previous();
        if (!block.isValid())
            return;
        documentLayout->blockBoundingRect(block);
        QTextLayout* layout = block.layout();
        target = layout->lineAt(lines > 0 ? 0 : layout->lineCount() - 1);
        if (!target.isValid())
            return;
    }
    const int first = block.position() + target.textStart();
    if (target.textLength() == 0) {
        setCaret(first);
        return;
    }
    const int column = qBound(0, target.xToCursor(x) - target.textStart(), target.textLength() - 1);
    if (lines > 0)
        select(first + column, 1);
    else
        selectFromRight(first + column);
}
