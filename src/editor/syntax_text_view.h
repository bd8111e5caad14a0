#pragma once

#include "themes/custom_theme.h"
#include "themes/editor_theme.h"
#include "workspace/programming_language.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <optional>

// The editor's text view: plain text, wrapping at the view edge, no spelling
// or substitution features. It carries the typing flags and the colouring
// inputs its host copies in, and paints its own caret so the caret can have
// the theme's cursor colour while the text keeps the text colour.
class SyntaxTextView : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit SyntaxTextView(QWidget* parent = nullptr);

    // Layout queries the gutter needs.
    using QPlainTextEdit::blockBoundingGeometry;
    using QPlainTextEdit::contentOffset;
    using QPlainTextEdit::firstVisibleBlock;

    int tabSize = 4;
    bool useSpacesForTab = true;
    bool autoIndent = true;
    bool autoBracket = true;
    bool snippetsEnabled = false;
    bool typingRandomEnabled = false;
    QString fontName;
    ProgrammingLanguage currentLanguage = ProgrammingLanguage::txt;
    EditorTheme currentTheme = EditorTheme::dark;
    std::optional<CustomTheme> customTheme;

    void setCursorColor(const QColor& color);
    QColor cursorColor() const { return m_cursorColor; }

    // Colours the whole text with the current language and theme.
    void highlight();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void restartCaretBlink();

    QColor m_cursorColor = Qt::white;
    QTimer m_caretBlink;
    bool m_caretVisible = true;
};
