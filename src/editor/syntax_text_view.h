#pragma once

#include "base/programming_language.h"
#include "editor/background_highlighter.h"
#include "editor/typing_aids.h"
#include "themes/custom_theme.h"
#include "themes/editor_theme.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <optional>

struct CaretContext;
struct TypingEdit;

// The editor's text view: plain text, wrapping at the view edge, no spelling
// or substitution features. It carries the typing flags and the colouring
// inputs its host copies in, and paints its own caret so the caret can have
// the theme's cursor colour while the text keeps the text colour.
//
// Typed characters, Tab, Return and Backspace go through the typing aids,
// each keystroke one undo step; every other key is QPlainTextEdit's own.
// Colouring runs in the background (BackgroundHighlighter) after every
// change and after highlight(); isHighlightSettled() says when the colours
// on screen are those of the text as it is.
class SyntaxTextView : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit SyntaxTextView(QWidget* parent = nullptr);

    // Layout queries the gutter and the highlighter need.
    using QPlainTextEdit::blockBoundingGeometry;
    using QPlainTextEdit::contentOffset;
    using QPlainTextEdit::firstVisibleBlock;

    // The typing switches; their language is always `currentLanguage`.
    TypingFlags typing;
    ProgrammingLanguage currentLanguage = ProgrammingLanguage::txt;
    EditorTheme currentTheme = EditorTheme::dark;
    std::optional<CustomTheme> customTheme;

    void setCursorColor(const QColor& color);

    // The text exactly as the document holds it, with a line feed between
    // lines. (toPlainText() would also turn no-break spaces into spaces and
    // line separators into line feeds.)
    QString text() const;

    // Takes the colours from the current theme and recolours the whole text
    // with the current language, in the background.
    void highlight();
    bool isHighlightSettled() const { return m_highlighter.isSettled(); }
    const BackgroundHighlighter& highlighter() const { return m_highlighter; }

signals:
    void highlightSettled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Applies the typing aid for the key, if it has one; false leaves the
    // key to QPlainTextEdit.
    bool applyTypingAid(const QKeyEvent* event);
    CaretContext caretContext() const;
    TypingFlags typingFlags() const;
    void applyEdit(const TypingEdit& edit);
    void restartCaretBlink();

    QColor m_cursorColor;
    QTimer m_caretBlink;
    bool m_caretVisible = true;
    BackgroundHighlighter m_highlighter{this};
};
