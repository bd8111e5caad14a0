#include "editor/syntax_text_view.h"

#include <QApplication>
#include <QPainter>

SyntaxTextView::SyntaxTextView(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUndoRedoEnabled(true);
    setFrameShape(QFrame::NoFrame);
    setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    // Qt's caret takes the text colour; ours is drawn in paintEvent instead.
    setCursorWidth(0);
    document()->setDocumentMargin(4);

    const int flash = QApplication::cursorFlashTime();
    m_caretBlink.setInterval(flash > 0 ? flash / 2 : 500);
    connect(&m_caretBlink, &QTimer::timeout, this, [this] {
        m_caretVisible = !m_caretVisible;
        viewport()->update(cursorRect().adjusted(-2, -2, 2, 2));
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &SyntaxTextView::restartCaretBlink);
}

void SyntaxTextView::setCursorColor(const QColor& color) {
    m_cursorColor = color;
    viewport()->update();
}

void SyntaxTextView::highlight() {}

void SyntaxTextView::restartCaretBlink() {
    const QRect before = cursorRect();
    m_caretVisible = true;
    if (hasFocus() && QApplication::cursorFlashTime() > 0)
        m_caretBlink.start();
    viewport()->update(before.adjusted(-2, -2, 2, 2));
    viewport()->update(cursorRect().adjusted(-2, -2, 2, 2));
}

void SyntaxTextView::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    if (!hasFocus() || !m_caretVisible || isReadOnly())
        return;
    QPainter painter(viewport());
    QRect caret = cursorRect();
    caret.setWidth(2);
    painter.fillRect(caret, m_cursorColor);
}

void SyntaxTextView::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    restartCaretBlink();
}

void SyntaxTextView::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    m_caretBlink.stop();
    viewport()->update();
}
