#include "editor/code_text_editor.h"
#include "editor/line_number_gutter.h"
#include "editor/syntax_text_view.h"
#include "support/printers.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

EditorConfig config(bool lineNumbers = true) {
    EditorConfig c;
    c.fontName = QStringLiteral("No Such Font Family");
    c.fontSize = 13;
    c.backgroundColor = Qt::black;
    c.lineNumberColor = Qt::gray;
    c.lineNumberBgColor = QColor(255, 255, 255, 77);
    c.cursorColor = Qt::red;
    c.showLineNumbers = lineNumbers;
    c.language = ProgrammingLanguage::cpp;
    return c;
}

QList<int> numbers(const LineNumberGutter* gutter) {
    QList<int> result;
    for (const LineNumberGutter::Row& row : gutter->visibleRows())
        result.append(row.number);
    return result;
}

struct Shown {
    explicit Shown(const QString& text, bool lineNumbers = true, QSize size = {400, 300})
        : editor(config(lineNumbers), text) {
        editor.resize(size);
        editor.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }
    CodeTextEditor editor;
};

} // namespace

TEST(CodeTextEditor, UnknownFontFallsBackToTheFixedFontAtTheChosenSize) {
    Shown shown(QStringLiteral("int x;"));
    const QFont font = shown.editor.textView()->font();
    EXPECT_EQ(font.family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(font.pointSizeF(), 13);
}

TEST(CodeTextEditor, ReplacingTheTextKeepsTheCaretInsideIt) {
    Shown shown(QStringLiteral("0123456789"));
    QTextCursor cursor = shown.editor.textView()->textCursor();
    cursor.setPosition(8);
    shown.editor.textView()->setTextCursor(cursor);
    QSignalSpy edited(&shown.editor, &CodeTextEditor::edited);

    shown.editor.setText(QStringLiteral("abc"));
    EXPECT_EQ(shown.editor.textView()->textCursor().position(), 3);
    shown.editor.setText(QStringLiteral("abcdefghijkl"));
    EXPECT_EQ(shown.editor.textView()->textCursor().position(), 3);
    EXPECT_EQ(edited.count(), 0) << "text from outside is not an edit";

    QTest::keyClicks(shown.editor.textView(), QStringLiteral("Z"));
    EXPECT_EQ(edited.count(), 1);
    EXPECT_EQ(shown.editor.text(), QStringLiteral("abcZdefghijkl"));
}

TEST(LineNumberGutter, EmptyDocumentShowsOne) {
    Shown shown{QString()};
    ASSERT_TRUE(shown.editor.gutter());
    EXPECT_EQ(numbers(shown.editor.gutter()), QList<int>{1});
    EXPECT_EQ(shown.editor.gutter()->width(), LineNumberGutter::thickness);
}

TEST(LineNumberGutter, AWrappedLineTakesOneNumberPerRow) {
    const QString longLine(300, QLatin1Char('x'));
    Shown shown(QStringLiteral("a\n") + longLine + QStringLiteral("\nb"));
    const int rowsOfLongLine =
        shown.editor.textView()->document()->findBlockByNumber(1).layout()->lineCount();
    ASSERT_GT(rowsOfLongLine, 1);
    QList<int> expected;
    for (int n = 1; n <= rowsOfLongLine + 2; ++n)
        expected.append(n);
    EXPECT_EQ(numbers(shown.editor.gutter()), expected);

    const QList<LineNumberGutter::Row> rows = shown.editor.gutter()->visibleRows();
    for (int i = 1; i < rows.size(); ++i)
        EXPECT_GE(rows[i].rect.top(), rows[i - 1].rect.bottom() - 0.5) << "rows do not overlap";
}

TEST(LineNumberGutter, ScrolledFileStartsAtTheFirstVisibleLine) {
    QStringList lines;
    for (int i = 1; i <= 500; ++i)
        lines.append(QStringLiteral("line %1").arg(i));
    Shown shown(lines.join(QLatin1Char('\n')));
    QScrollBar* bar = shown.editor.textView()->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    QCoreApplication::processEvents();
    const QList<int> shownNumbers = numbers(shown.editor.gutter());
    ASSERT_FALSE(shownNumbers.isEmpty());
    EXPECT_EQ(shownNumbers.first(), shown.editor.textView()->firstVisibleBlock().blockNumber() + 1);
    EXPECT_GT(shownNumbers.first(), 200);
    EXPECT_EQ(shownNumbers.last() - shownNumbers.first() + 1, shownNumbers.size());
}

TEST(LineNumberGutter, ExistsOnlyWhenLineNumbersWereOnAtCreation) {
    Shown without(QStringLiteral("x"), false);
    EXPECT_FALSE(without.editor.gutter());
    EditorConfig on = config(true);
    without.editor.applyConfig(on);
    EXPECT_FALSE(without.editor.gutter());

    Shown with(QStringLiteral("x"), true);
    with.editor.applyConfig(config(false));
    EXPECT_FALSE(with.editor.gutter()->isVisible());
}
