#include "editor/line_number_gutter.h"
#include "shown_editor.h"
#include "support/printers.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QList<int> numbers(const LineNumberGutter* gutter) {
    QList<int> result;
    for (const LineNumberGutter::Row& row : gutter->visibleRows())
        result.append(row.number);
    return result;
}

} // namespace

TEST(CodeTextEditor, UnknownFontFallsBackToTheFixedFontAtTheChosenSize) {
    Shown shown(u"int x;"_s);
    const QFont font = shown.view()->font();
    EXPECT_EQ(font.family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(font.pointSizeF(), 13);
}

TEST(CodeTextEditor, ReplacingTheTextKeepsTheCaretInsideIt) {
    Shown shown(u"0123456789"_s);
    QTextCursor cursor = shown.view()->textCursor();
    cursor.setPosition(8);
    shown.view()->setTextCursor(cursor);
    QSignalSpy edited(&shown.editor, &CodeTextEditor::edited);

    shown.editor.setText(u"abc"_s);
    EXPECT_EQ(shown.view()->textCursor().position(), 3);
    shown.editor.setText(u"abcdefghijkl"_s);
    EXPECT_EQ(shown.view()->textCursor().position(), 3);
    EXPECT_EQ(edited.count(), 0) << "text from outside is not an edit";

    QTest::keyClicks(shown.view(), u"Z"_s);
    EXPECT_EQ(edited.count(), 1);
    EXPECT_EQ(shown.editor.text(), u"abcZdefghijkl"_s);
}

TEST(LineNumberGutter, EmptyDocumentShowsOne) {
    Shown shown{QString()};
    ASSERT_TRUE(shown.editor.gutter());
    EXPECT_EQ(numbers(shown.editor.gutter()), QList<int>{1});
    EXPECT_EQ(shown.editor.gutter()->width(), LineNumberGutter::thickness);
}

TEST(LineNumberGutter, AWrappedLineTakesOneNumberPerRow) {
    const QString longLine(300, QLatin1Char('x'));
    Shown shown(u"a\n"_s + longLine + u"\nb"_s);
    const int rowsOfLongLine = shown.view()->document()->findBlockByNumber(1).layout()->lineCount();
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
        lines.append(u"line %1"_s.arg(i));
    Shown shown(lines.join(QLatin1Char('\n')));
    QScrollBar* bar = shown.view()->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    QCoreApplication::processEvents();
    const QList<int> shownNumbers = numbers(shown.editor.gutter());
    ASSERT_FALSE(shownNumbers.isEmpty());
    EXPECT_EQ(shownNumbers.first(), shown.view()->firstVisibleBlock().blockNumber() + 1);
    EXPECT_GT(shownNumbers.first(), 200);
    EXPECT_EQ(shownNumbers.last() - shownNumbers.first() + 1, shownNumbers.size());
}

TEST(LineNumberGutter, ExistsOnlyWhenLineNumbersWereOnAtCreation) {
    Shown without(u"x"_s, ProgrammingLanguage::cpp, false);
    EXPECT_FALSE(without.editor.gutter());
    without.editor.applyConfig(editorConfig());
    EXPECT_FALSE(without.editor.gutter());

    Shown with(u"x"_s);
    with.editor.applyConfig(editorConfig(ProgrammingLanguage::cpp, false));
    EXPECT_FALSE(with.editor.gutter()->isVisible());
}
