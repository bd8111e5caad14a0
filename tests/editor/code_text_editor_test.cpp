#include "editor/diagnostic_markers.h"
#include "editor/line_number_gutter.h"
#include "runner/compiler_messages.h"
#include "shown_editor.h"
#include "support/files.h"
#include "support/printers.h"
#include "support/process_runner.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QList<int> numbers(const LineNumberGutter* gutter) {
    QList<int> result;
    for (const LineNumberGutter::Row& row : gutter->visibleRows())
        result.append(row.number);
    return result;
}

QPoint caret(const SyntaxTextView* view) {
    const QTextCursor cursor = view->textCursor();
    return {cursor.blockNumber() + 1, cursor.positionInBlock() + 1};
}

QStringList underlined(const SyntaxTextView* view) {
    QStringList texts;
    for (const QTextEdit::ExtraSelection& selection : view->extraSelections())
        texts << selection.cursor.selectedText();
    return texts;
}

// What g++ says about `source`, read as the editor is given it.
QList<CompilerMessage> compilerMessages(const QString& source) {
    QTemporaryDir folder;
    writeFile(folder.filePath(u"solution.cpp"_s), source.toUtf8());
    const ProcessOutcome outcome =
        runProcess(u"g++"_s, {u"-c"_s, u"solution.cpp"_s}, 120000, folder.path());
    return parseCompilerMessages(outcome.err, {u"solution.cpp"_s, source});
}

} // namespace

TEST(CodeTextEditor, CompileErrorsAreMarkedAndVisitedInTurn) {
    const QString source = u"int main() {\n\tint a = 1;\n\tint x = missing;\n\treturn a\n}\n"_s;
    Shown shown(source);
    shown.editor.setDiagnostics(compilerMessages(source));
    ASSERT_EQ(shown.editor.diagnostics().markers().size(), 2);
    EXPECT_EQ(underlined(shown.view()), (QStringList{u"missing"_s, u"a"_s}));

    shown.editor.goToNextDiagnostic();
    EXPECT_EQ(caret(shown.view()), QPoint(3, 10));
    EXPECT_TRUE(QToolTip::text().contains(u"missing"_s)) << QToolTip::text().toStdString();
    shown.editor.goToNextDiagnostic();
    EXPECT_EQ(caret(shown.view()).x(), 4);
    shown.editor.goToNextDiagnostic();
    EXPECT_EQ(caret(shown.view()), QPoint(3, 10)) << "goes round to the first";
    shown.editor.goToPreviousDiagnostic();
    EXPECT_EQ(caret(shown.view()).x(), 4);

    // Hovering the underline tells the message.
    QToolTip::hideText();
    QTextCursor missing(shown.view()->document()->findBlockByNumber(2));
    missing.setPosition(missing.position() + 10);
    const QPoint at = shown.view()->cursorRect(missing).center();
    QHelpEvent hover(QEvent::ToolTip, at, shown.view()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(shown.view()->viewport(), &hover);
    EXPECT_TRUE(QToolTip::text().startsWith(u"오류: "_s)) << QToolTip::text().toStdString();
}

TEST(CodeTextEditor, EditingAMarkedLineRemovesOnlyItsMarker) {
    Shown shown(u"a\nb\nc\nd\n"_s);
    shown.editor.setDiagnostics(
        {{u"solution.cpp"_s, 2, 1, 1, MessageSeverity::error, u"x"_s, {}},
         {u"solution.cpp"_s, 4, 1, 1, MessageSeverity::warning, u"y"_s, {}}});
    QTextCursor cursor(shown.view()->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    shown.view()->setTextCursor(cursor);
    QTest::keyClicks(shown.view(), u"2"_s);
    QTest::keyClick(shown.view(), Qt::Key_Return);

    ASSERT_EQ(shown.editor.diagnostics().markers().size(), 1);
    const DiagnosticMarkers::Marker& left = shown.editor.diagnostics().markers().first();
    EXPECT_EQ(left.message.text, u"y"_s);
    EXPECT_EQ(left.range.blockNumber(), 4) << "moved down with its line";
    EXPECT_EQ(underlined(shown.view()), QStringList{u"d"_s});

    shown.editor.clearDiagnostics();
    EXPECT_TRUE(underlined(shown.view()).isEmpty());
}

// The default family is not installed here; the fixed font it falls back to
// keeps a Korean comment on the same grid as the code around it.
TEST(CodeTextEditor, UnknownFontFallsBackToOneGridForKoreanAndCode) {
    Shown shown(u"    // 여기에 코드\n    int x;\n"_s);
    EXPECT_EQ(shown.view()->font().pointSizeF(), 13);
    const auto indentEnd = [&](int block) {
        return shown.view()->document()->findBlockByNumber(block).layout()->lineAt(0).cursorToX(4);
    };
    EXPECT_GT(indentEnd(1), 0);
    EXPECT_EQ(indentEnd(0), indentEnd(1));
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

// The numbers are the file's own, as a compiler message names them: a
// wrapped line keeps one, on its first row, and the next line's number sits
// beside that line, however the view is scrolled.
TEST(LineNumberGutter, AWrappedLineKeepsOneNumber) {
    const QString longLine(300, QLatin1Char('x'));
    Shown shown(u"a\n"_s + longLine + u"\nb"_s);
    const QTextBlock wrapped = shown.view()->document()->findBlockByNumber(1);
    ASSERT_GT(wrapped.layout()->lineCount(), 1);
    EXPECT_EQ(numbers(shown.editor.gutter()), (QList<int>{1, 2, 3}));

    const QList<LineNumberGutter::Row> rows = shown.editor.gutter()->visibleRows();
    const QRectF wrappedRect =
        shown.view()->blockBoundingGeometry(wrapped).translated(shown.view()->contentOffset());
    EXPECT_GE(rows[2].rect.top(), rows[1].rect.top() + wrappedRect.height() - 0.5)
        << "line 3 is numbered beside its own row, below all of line 2";
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
