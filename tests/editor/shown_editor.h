#pragma once

#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"

#include <QTest>
#include <gtest/gtest.h>

// The font is one no machine has, so the fallback is always in play.
inline EditorConfig editorConfig(ProgrammingLanguage language = ProgrammingLanguage::cpp,
                                 bool lineNumbers = true) {
    EditorConfig c;
    c.editor.fontName = QStringLiteral("No Such Font Family");
    c.editor.fontSize = 13;
    c.backgroundColor = Qt::black;
    c.lineNumberColor = Qt::gray;
    c.lineNumberBgColor = QColor(255, 255, 255, 77);
    c.cursorColor = Qt::red;
    c.editor.showLineNumbers = lineNumbers;
    c.language = language;
    return c;
}

// An editor on screen with the keyboard in its text view.
struct Shown {
    explicit Shown(const QString& text = {},
                   ProgrammingLanguage language = ProgrammingLanguage::cpp, bool lineNumbers = true)
        : editor(editorConfig(language, lineNumbers), text) {
        editor.resize(400, 300);
        editor.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&editor));
        view()->setFocus();
    }
    SyntaxTextView* view() const { return editor.textView(); }
    CodeTextEditor editor;
};
