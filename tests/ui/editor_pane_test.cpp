#include "editor_pane_fixture.h"

#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"
#include "runner/run_session.h"
#include "support/printers.h"
#include "support/test_support.h"
#include "ui/editor/welcome_view.h"
#include "ui/editor_pane.h"
#include "workspace/app_state.h"

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
    ASSERT_EQ(state->files().size(), 2);
    EXPECT_EQ(state->files()[1].name, u"solution.cpp"_s) << "cards never make names unique";
    EXPECT_FALSE(pane->welcomeView()->isVisible());
    ASSERT_TRUE(pane->editor());
    EXPECT_EQ(pane->editor()->text(), state->selectedFile()->content);
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
    state->setFileText(state->selectedFile()->id, u"int x;"_s);
    EXPECT_EQ(pane->focusWidget(), &elsewhere);
    state->createFile(u"b.py"_s, ProgrammingLanguage::python);
    EXPECT_EQ(pane->focusWidget(), view);

    // Back to the first file: it opens at its top, not at b.py's caret.
    state->setFileText(state->selectedFile()->id, u"print(1)\n"_s);
    view->moveCursor(QTextCursor::End);
    state->openFile(state->files().first().id);
    EXPECT_EQ(view->textCursor().position(), 0);
}

TEST_F(EditorPaneTest, RenamingTheShownFileRenamesItsHeaderAndKeepsTheTyping) {
    state->createFile(u"a.txt"_s, ProgrammingLanguage::txt);
    QTest::keyClicks(pane->editor()->textView(), u"typed"_s);
    state->renameFile(state->files()[0].id, u"b"_s);
    const auto labels = pane->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->isVisible() && label->text() == u"b.txt"_s;
    }));
    EXPECT_EQ(pane->editor()->text(), u"typed"_s);
}

TEST_F(EditorPaneTest, StatusBarCountsLinesAndCharacters) {
    state->createFile(u"a.txt"_s, ProgrammingLanguage::txt);
    EXPECT_EQ(pane->statusTexts(),
              (QStringList{u"줄 1"_s, u"문자 0"_s, u"탭: 4칸"_s, u"UTF-8"_s, u"Text"_s}));
    QTest::keyClicks(pane->editor()->textView(), u"x"_s);
    QTest::keyClick(pane->editor()->textView(), Qt::Key_Return);
    EXPECT_EQ(pane->statusTexts().mid(0, 2), (QStringList{u"줄 2"_s, u"문자 2"_s}));
    state->settings().setIndentation({.tabSize = 2});
    EXPECT_EQ(pane->statusTexts()[2], u"탭: 2칸"_s);
}

TEST_F(EditorPaneTest, FontSizeButtonsStopAtTheirLimits) {
    state->createFile(u"a.py"_s, ProgrammingLanguage::python);
    state->setFontSize(11);
    click(u"fontSmaller"_s);
    click(u"fontSmaller"_s);
    EXPECT_EQ(state->fontSize(), 10);
    state->setFontSize(27);
    click(u"fontLarger"_s);
    click(u"fontLarger"_s);
    EXPECT_EQ(state->fontSize(), 28);
    EXPECT_EQ(pane->editor()->textView()->font().pointSizeF(), 28);
}

TEST_F(EditorPaneTest, EditsReachTheWorkspaceBeforeAnyoneReadsIt) {
    state->createFile(u"a.txt"_s, ProgrammingLanguage::txt);
    state->createFile(u"b.txt"_s, ProgrammingLanguage::txt);
    QTest::keyClicks(pane->editor()->textView(), u"bee"_s);
    EXPECT_TRUE(state->files()[1].content.isEmpty()) << "keystrokes are coalesced";

    // Switching files commits the pending text to the file it was typed in.
    state->openFile(state->files()[0].id);
    EXPECT_EQ(state->files()[1].content, u"bee"_s);
    EXPECT_TRUE(pane->editor()->text().isEmpty());

    QTest::keyClicks(pane->editor()->textView(), u"ay"_s);
    state->saveData();
    EXPECT_EQ(state->files()[0].content, u"ay"_s);

    QTest::keyClicks(pane->editor()->textView(), u"!"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] { return state->files()[0].content == u"ay!"_s; }))
        << "and after a short pause";
}

TEST_F(EditorPaneTest, ARunJudgesTheTextJustTyped) {
    state->createFile(u"a.py"_s, ProgrammingLanguage::python);
    pane->editor()->setText(QString());
    QTest::keyClicks(pane->editor()->textView(), u"print(42)"_s);
    TestCase testCase = state->testCases()[0];
    testCase.expectedOutput = u"42"_s;
    state->updateTestCase(testCase);
    RunSession runs(*state);
    ASSERT_TRUE(runs.start());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !runs.isRunning(); }, 20000));
    ASSERT_TRUE(state->testCases()[0].result);
    EXPECT_EQ(state->testCases()[0].result->verdict.kind, VerdictKind::accepted);
}
