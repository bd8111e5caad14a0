#include "editor/syntax_text_view.h"

#include "editor/color_conversion.h"
#include "themes/theme_resolver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextBlock>

namespace {

// Text a key would insert, by the rule QPlainTextEdit itself follows: Ctrl
// and Ctrl+Shift combinations are shortcuts, AltGr (Ctrl+Alt) types.
bool insertsText(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    if (first.category() == QChar::Other_Format)
        return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    return first.isPrint() || first.category() == QChar::Other_PrivateUse ||
           (first.isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate());
}

} // namespace

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
    connect(&m_highlighter, &BackgroundHighlighter::settled, this,
            &SyntaxTextView::highlightSettled);
}

void SyntaxTextView::setCursorColor(const QColor& color) {
    m_cursorColor = color;
    viewport()->update();
}

QString SyntaxTextView::text() const {
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void SyntaxTextView::highlight() {
    const CustomTheme* custom = customTheme ? &*customTheme : nullptr;
    BackgroundHighlighter::Colours colours;
    for (int role = 0; role < BackgroundHighlighter::roleCount; ++role)
        colours[size_t(role)] = toQColor(resolveColor(ColorRole(role), currentTheme, custom));
    // Plain text is the text colour itself, so it needs no format.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, colours[size_t(ColorRole::plain)]);
    setPalette(palette);
    m_highlighter.setColours(colours);
}

void SyntaxTextView::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly() && applyTypingAid(event)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool SyntaxTextView::applyTypingAid(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Tab:
        if (modifiers != Qt::NoModifier)
            return false;
        applyEdit(insertTab(caretContext(), typingFlags()));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Shift+Return too: QPlainTextEdit would put a line separator inside
        // the line, which a source file has no use for.
        if ((modifiers & ~Qt::ShiftModifier) != Qt::NoModifier)
            return false;
        applyEdit(insertNewline(caretContext(), typingFlags()));
        return true;
    case Qt::Key_Backspace: {
        if (modifiers != Qt::NoModifier)
            return false;
        const std::optional<TypingEdit> edit = deleteBackward(caretContext(), typingFlags());
        if (edit)
            applyEdit(*edit);
        return edit.has_value();
    }
    default:
        if (!insertsText(event))
            return false;
        applyEdit(
            insertText(caretContext(), event->text(), typingFlags(), *QRandomGenerator::global()));
        return true;
    }
}

CaretContext SyntaxTextView::caretContext() const {
    const QTextCursor cursor = textCursor();
    const QTextBlock block = document()->findBlock(cursor.selectionStart());
    return {block.text(), block.position(), cursor.selectionStart(), cursor.selectionEnd()};
}

TypingFlags SyntaxTextView::typingFlags() const {
    TypingFlags flags = typing;
    flags.language = currentLanguage;
    return flags;
}

void SyntaxTextView::applyEdit(const TypingEdit& edit) {
    QTextCursor cursor = textCursor();
    if (edit.length > 0 || !edit.text.isEmpty()) {
        // One keystroke, one undo step, however many changes it makes.
        cursor.beginEditBlock();
        cursor.setPosition(int(edit.start));
        cursor.setPosition(int(edit.start + edit.length), QTextCursor::KeepAnchor);
        if (edit.text.isEmpty())
            cursor.removeSelectedText();
        else
            cursor.insertText(edit.text);
        cursor.endEditBlock();
    }
    cursor.setPosition(int(edit.caret));
    setTextCursor(cursor);
}

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
