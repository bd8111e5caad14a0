#pragma once

#include "base/programming_language.h"
#include "editor/typing_aids.h"
#include "themes/custom_theme.h"
#include "themes/editor_theme.h"
#include "workspace/settings_values.h"

#include <QColor>
#include <QWidget>
#include <optional>

class LineNumberGutter;
class SyntaxTextView;

// Everything the editor pane passes to the editor, as one value.
struct EditorConfig {
    // The editor draws with `fontName` and `showLineNumbers` of these.
    EditorSettings editor;
    IndentationSettings indentation;
    TypingAidSettings typingAids;
    double fontSize = 14;
    QColor backgroundColor;
    QColor lineNumberColor;
    QColor lineNumberBgColor;
    QColor cursorColor;
    ProgrammingLanguage language = ProgrammingLanguage::txt;
    EditorTheme theme = EditorTheme::dark;
    std::optional<CustomTheme> customTheme;
};

// Hosts one SyntaxTextView and, when line numbers were on at creation, its
// gutter. The pane pushes text and configuration in. An edit is announced
// by `edited` without the text: copying a large document on every keystroke
// is the receiver's choice, and it usually wants to coalesce.
class CodeTextEditor : public QWidget {
    Q_OBJECT

public:
    CodeTextEditor(const EditorConfig& config, const QString& text, QWidget* parent = nullptr);

    // Replaces the text from outside; the caret keeps its place, clamped to
    // the new length. No `edited` is emitted.
    void setText(const QString& text);
    QString text() const;
    void applyConfig(const EditorConfig& config);

    SyntaxTextView* textView() const { return m_textView; }
    LineNumberGutter* gutter() const { return m_gutter; }

    // The font for a family name: that family when installed, else the
    // system's fixed-width font; either at the given size.
    static QFont resolveFont(const QString& name, double pointSize);

signals:
    void edited();

private:
    void applyColours(const EditorConfig& config);

    SyntaxTextView* m_textView = nullptr;
    LineNumberGutter* m_gutter = nullptr;
    bool m_settingText = false;
};
