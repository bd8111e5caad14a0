#include "editor_pane_fixture.h"

#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"
#include "runner/run_session.h"
#include "support/printers.h"
#include "support/test_support.h"
#include "ui/editor/welcome_view.h"
#include "ui/editor_pane.h"
#include "ui/window_context.h"

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class EditorPaneTest : public EditorPaneFixture {
protected:
    void click(const QString& objectName) {
        auto* button = pane->findChild<QAbstractButton*>(objectName);
        ASSERT_TRUE(button) << objectName.toStdString();
        button->click();
    }
};

TEST_F(EditorPaneTest, WelcomeScreenCreatesFilesAndShowsNativeShortcuts) {
    EXPECT_TRUE(pane->welcomeView()->isVisible());
    QStringList keys;
    for (QLabel* label : pane->findChildren<QLabel*>(u"shortcutKey"_s))
        keys.append(label->text());
    EXPECT_EQ(keys, (QStringList{u"Ctrl+N"_s, u"Ctrl+R"_s, u"Ctrl+Shift+T"_s}));

    click(u"quickCreate_cpp"_s);
    click(u"quickCreate_cpp"_s);
    ASSERT_EQ(owners->workspace.files().size(), 2);
    EXPECT_EQ(owners->workspace.files()[1].name, u"solution.cpp"_s)
        << "cards never make names unique";
    EXPECT_FALSE(pane->welcomeView()->isVisible());
    ASSERT_TRUE(pane->editor());
    EXPECT_EQ(pane->editor()->text(), owners->workspace.selectedFile()->content);
}

// Typing right after creating a file goes into it; it used to reach the
// font-size button, where each space made the text smaller.
TEST_F(EditorPaneTest, AChosenFileTakesTheKeyboardAndKeepsIt) {
    click(u"quickCreate_cpp"_s);
    SyntaxTextView* view = pane->editor()->textView();
    EXPECT_EQ(pane->focusWidget(), view);
    for (auto* button : pane->findChildren<QToolButton*>())
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << button->objectName().toStdString();

    // Writing the text back is no new choice: the focus stays where it is.
    QLineEdit elsewhere(pane.get());
    elsewhere.show();
    elsewhere.setFocus();
    owners->workspace.setFileText(owners->workspace.selectedFile()->id, u"int x;"_s);
    EXPECT_EQ(pane->focusWidget(), &elsewhere);
    owners->workspace.createFile(u"b.py"_s, ProgrammingLanguage::python);
    EXPECT_EQ(pane->focusWidget(), view);

    // Back to the first file: it opens at its top, not at b.py's caret.
    owners->workspace.setFileText(owners->workspace.selectedFile()->id, u"print(1)\n"_s);
    view->moveCursor(QTextCursor::End);
    owners->workspace.openFile(owners->workspace.files().first().id);
    EXPECT_EQ(view->textCursor().position(), 0);
}

TEST_F(EditorPaneTest, RenamingTheShownFileRenamesItsHeaderAndKeepsTheTyping) {
    owners->workspace.createFile(u"a.txt"_s, ProgrammingLanguage::txt);
    QTest::keyClicks(pane->editor()->textView(), u"typed"_s);
    owners->workspace.renameFile(owners->workspace.files()[0].id, u"b"_s);
    const auto labels = pane->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->isVisible() && label->text() == u"b.txt"_s;
    }));
    EXPECT_EQ(pane->editor()->text(), u"typed"_s);
}

TEST_F(EditorPaneTest, StatusBarCountsLinesAndCharacters) {
    owners->workspace.createFile(u"a.txt"_s, ProgrammingLanguage::txt);
    EXPECT_EQ(pane->statusTexts(),
              (QStringList{u"줄 1"_s, u"문자 0"_s, u"탭: 4칸"_s, u"UTF-8"_s, u"Text"_s}));
    QTest::keyClicks(pane->editor()->textView(), u"x"_s);
    QTest::keyClick(pane->editor()->textView(), Qt::Key_Return);
    EXPECT_EQ(pane->statusTexts().mid(0, 2), (QStringList{u"줄 2"_s, u"문자 2"_s}));
    owners->settings.setIndentation({.tabSize = 2});
    EXPECT_EQ(pane->statusTexts()[2], u"탭: 2칸"_s);
}

TEST_F(EditorPaneTest, FontSizeButtonsStopAtTheirLimits) {
    owners->workspace.createFile(u"a.py"_s, ProgrammingLanguage::python);
    owners->settings.setEditor({.fontSize = 11});
    click(u"fontSmaller"_s);
    click(u"fontSmaller"_s);
    EXPECT_EQ(owners->settings.editor().fontSize, 10);
    owners->settings.setEditor({.fontSize = 27});
    click(u"fontLarger"_s);
    click(u"fontLarger"_s);
    EXPECT_EQ(owners->settings.editor().fontSize, 28);
    EXPECT_EQ(pane->editor()->textView()->font().pointSizeF(), 28);
}

TEST_F(EditorPaneTest, EditsReachTheWorkspaceBeforeAnyoneReadsIt) {
    owners->workspace.createFile(u"a.txt"_s, ProgrammingLanguage::txt);
    owners->workspace.createFile(u"b.txt"_s, ProgrammingLanguage::txt);
    QTest::keyClicks(pane->editor()->textView(), u"bee"_s);
    EXPECT_TRUE(owners->workspace.files()[1].content.isEmpty()) << "keystrokes are coalesced";

    // Switching files commits the pending text to the file it was typed in.
    owners->workspace.openFile(owners->workspace.files()[0].id);
    EXPECT_EQ(owners->workspace.files()[1].content, u"bee"_s);
    EXPECT_TRUE(pane->editor()->text().isEmpty());

    QTest::keyClicks(pane->editor()->textView(), u"ay"_s);
    owners->store.saveData();
    EXPECT_EQ(owners->workspace.files()[0].content, u"ay"_s);

    QTest::keyClicks(pane->editor()->textView(), u"!"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] { return owners->workspace.files()[0].content == u"ay!"_s; }))
        << "and after a short pause";
}

TEST_F(EditorPaneTest, ARunJudgesTheTextJustTyped) {
    owners->workspace.createFile(u"a.py"_s, ProgrammingLanguage::python);
    pane->editor()->setText(QString());
    QTest::keyClicks(pane->editor()->textView(), u"print(42)"_s);
    TestCase testCase = owners->workspace.cases().testCases()[0];
    testCase.expectedOutput = u"42"_s;
    owners->workspace.cases().updateTestCase(testCase);
    RunSession& runs = owners->runs;
    ASSERT_TRUE(runs.start());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !runs.isRunning(); }, 20000));
    ASSERT_TRUE(owners->workspace.cases().testCases()[0].result);
    EXPECT_EQ(owners->workspace.cases().testCases()[0].result->verdict.kind, VerdictKind::accepted);
}
