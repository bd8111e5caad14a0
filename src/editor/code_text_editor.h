#pragma once

#include "base/compiler_message.h"
#include "base/programming_language.h"
#include "editor/typing_aids.h"
#include "themes/custom_theme.h"
#include "themes/editor_theme.h"
#include "workspace/settings_values.h"

#include <QColor>
#include <QWidget>
#include <optional>

class DiagnosticMarkers;
class LineNumberGutter;
class SyntaxTextView;

// Everything the editor pane passes to the editor, as one value.
struct EditorConfig {
    // The editor draws with `fontName`, `fontSize` and `showLineNumbers` of these.
    EditorSettings editor;
    IndentationSettings indentation;
    TypingAidSettings typingAids;
    QColor backgroundColor;
    QColor lineNumberColor;
    QColor lineNumberBgColor;
    QColor cursorColor;
    // Markers and underlines of the compiler's messages, by severity.
    QColor errorColor;
    QColor warningColor;
    QColor noteColor;
    ProgrammingLanguage language = ProgrammingLanguage::txt;
    EditorTheme theme = EditorTheme::dark;
    std::optional<CustomTheme> customTheme;
};

// Hosts one SyntaxTextView and, when line numbers were on at creation, its
// gutter. The pane pushes text and configuration in, and the compiler's
// messages about the file: marked in the gutter, underlined, told on hover,
// visited in turn (the window binds the keys). An edit is announced
// by `edited` without the text: copying a large document on every keystroke
// is the receiver's choice, and it usually wants to coalesce.
class CodeTextEditor : public QWidget {
    Q_OBJECT

public:
    CodeTextEditor(const EditorConfig& config, const QString& text, QWidget* parent = nullptr);

    // Replaces the text from outside; the caret keeps its place, clamped to
    // the new length. No `edited` is emitted.
    void setText(const QString& text);
    // Replaces the text as the user's own edit: one undo step, `edited` emitted.
    void replaceText(const QString& text);
    QString text() const;
    void applyConfig(const EditorConfig& config);

    // The messages about this file; they replace any shown before.
    void setDiagnostics(const QList<CompilerMessage>& messages);
    void clearDiagnostics();
    const DiagnosticMarkers& diagnostics() const { return *m_diagnostics; }
    // Puts the caret at a message's range (where it is now, if the text moved)
    // and tells the message, as for a click on it in the console.
    void goToDiagnostic(const CompilerMessage& message);
    void goToNextDiagnostic();
    void goToPreviousDiagnostic();

    SyntaxTextView* textView() const { return m_textView; }
    LineNumberGutter* gutter() const { return m_gutter; }

    // The font for a family name: that family when installed, else the
    // system's fixed-width font; either at the given size.
    static QFont resolveFont(const QString& name, double pointSize);

signals:
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyColours(const EditorConfig& config);
    void underlineDiagnostics();
    void showDiagnostic(int position);

    SyntaxTextView* m_textView = nullptr;
    LineNumberGutter* m_gutter = nullptr;
    DiagnosticMarkers* m_diagnostics = nullptr;
    bool m_settingText = false;
};
