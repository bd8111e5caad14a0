#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"
#include "library/algorithm_templates.h"
#include "runner/test_run.h"
#include "support/printers.h"
#include "ui/editor/welcome_view.h"
#include "ui/editor_pane.h"
#include "ui/insert_template.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

class EditorPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
             QStringLiteral("/Corvanta"))
            .removeRecursively();
        QSettings().clear();
        state = std::make_unique<AppState>();
        pane = std::make_unique<EditorPane>(*state, commands);
        pane->resize(900, 600);
        pane->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
    }

    void TearDown() override {
        pane.reset();
        state.reset();
    }

    void click(const QString& objectName) {
        auto* button = pane->findChild<QAbstractButton*>(objectName);
        ASSERT_TRUE(button) << objectName.toStdString();
        button->click();
    }

    std::unique_ptr<AppState> state;
    Commands commands;
    std::unique_ptr<EditorPane> pane;
};

TEST_F(EditorPaneTest, WelcomeScreenCreatesFilesAndShowsNativeShortcuts) {
    EXPECT_TRUE(pane->welcomeView()->isVisible());
    QStringList keys;
    for (QLabel* label : pane->findChildren<QLabel*>(QStringLiteral("shortcutKey")))
        keys.append(label->text());
    EXPECT_EQ(keys, (QStringList{QStringLiteral("Ctrl+N"), QStringLiteral("Ctrl+R"),
                                 QStringLiteral("Ctrl+Shift+T")}));

    click(QStringLiteral("quickCreate_cpp"));
    click(QStringLiteral("quickCreate_cpp"));
    ASSERT_EQ(state->files().size(), 2);
    EXPECT_EQ(state->files()[1].name, QStringLiteral("solution.cpp"))
        << "cards never make names unique";
    EXPECT_FALSE(pane->welcomeView()->isVisible());
    ASSERT_TRUE(pane->editor());
    EXPECT_EQ(pane->editor()->text(), state->selectedFile()->content);
}

// Typing right after creating a file goes into it; it used to reach the
// font-size button, where each space made the text smaller.
TEST_F(EditorPaneTest, AChosenFileTakesTheKeyboardAndKeepsIt) {
    click(QStringLiteral("quickCreate_cpp"));
    SyntaxTextView* view = pane->editor()->textView();
    EXPECT_EQ(pane->focusWidget(), view);
    for (auto* button : pane->findChildren<QToolButton*>())
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << button->objectName().toStdString();

    // Writing the text back is no new choice: the focus stays where it is.
    QLineEdit elsewhere(pane.get());
    elsewhere.show();
    elsewhere.setFocus();
    state->updateFileContent(QStringLiteral("int x;"));
    EXPECT_EQ(pane->focusWidget(), &elsewhere);
    state->createFile(QStringLiteral("b.py"), ProgrammingLanguage::python);
    EXPECT_EQ(pane->focusWidget(), view);
}

TEST_F(EditorPaneTest, RenamingTheShownFileRenamesItsHeaderAndKeepsTheTyping) {
    state->createFile(QStringLiteral("a.txt"), ProgrammingLanguage::txt);
    QTest::keyClicks(pane->editor()->textView(), QStringLiteral("typed"));
    state->renameFile(state->files()[0].id, QStringLiteral("b"));
    const auto labels = pane->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->isVisible() && label->text() == QStringLiteral("b.txt");
    }));
    EXPECT_EQ(pane->editor()->text(), QStringLiteral("typed"));
}

TEST_F(EditorPaneTest, StatusBarCountsLinesAndCharacters) {
    state->createFile(QStringLiteral("a.txt"), ProgrammingLanguage::txt);
    EXPECT_EQ(pane->statusTexts(), (QStringList{QStringLiteral("줄 1"), QStringLiteral("문자 0"),
                                                QStringLiteral("탭: 4칸"), QStringLiteral("UTF-8"),
                                                QStringLiteral("Text")}));
    QTest::keyClicks(pane->editor()->textView(), QStringLiteral("x"));
    QTest::keyClick(pane->editor()->textView(), Qt::Key_Return);
    EXPECT_EQ(pane->statusTexts().mid(0, 2),
              (QStringList{QStringLiteral("줄 2"), QStringLiteral("문자 2")}));
    state->settings().setIndentation({.tabSize = 2});
    EXPECT_EQ(pane->statusTexts()[2], QStringLiteral("탭: 2칸"));
}

// A hand-edited tab size of 2147483647 once made Tab allocate until the
// program died.
TEST_F(EditorPaneTest, AHugeStoredTabSizeIndentsByTheLargestUsableStep) {
    QSettings().setValue(QStringLiteral("tabSize"), QStringLiteral("2147483647"));
    state->createFile(QStringLiteral("a.txt"), ProgrammingLanguage::txt);
    QTest::keyClick(pane->editor()->textView(), Qt::Key_Tab);
    EXPECT_EQ(pane->editor()->text(), QString(16, u' '));
    EXPECT_EQ(pane->statusTexts()[2], QStringLiteral("탭: 16칸"));
}

TEST_F(EditorPaneTest, FontSizeButtonsStopAtTheirLimits) {
    state->createFile(QStringLiteral("a.py"), ProgrammingLanguage::python);
    state->setFontSize(11);
    click(QStringLiteral("fontSmaller"));
    click(QStringLiteral("fontSmaller"));
    EXPECT_EQ(state->fontSize(), 10);
    state->setFontSize(27);
    click(QStringLiteral("fontLarger"));
    click(QStringLiteral("fontLarger"));
    EXPECT_EQ(state->fontSize(), 28);
    EXPECT_EQ(pane->editor()->textView()->font().pointSizeF(), 28);
}

TEST_F(EditorPaneTest, EditsReachTheWorkspaceBeforeAnyoneReadsIt) {
    state->createFile(QStringLiteral("a.txt"), ProgrammingLanguage::txt);
    state->createFile(QStringLiteral("b.txt"), ProgrammingLanguage::txt);
    QTest::keyClicks(pane->editor()->textView(), QStringLiteral("bee"));
    EXPECT_TRUE(state->files()[1].content.isEmpty()) << "keystrokes are coalesced";

    // Switching files commits the pending text to the file it was typed in.
    state->openFile(state->files()[0].id);
    EXPECT_EQ(state->files()[1].content, QStringLiteral("bee"));
    EXPECT_TRUE(pane->editor()->text().isEmpty());

    QTest::keyClicks(pane->editor()->textView(), QStringLiteral("ay"));
    state->saveData();
    EXPECT_EQ(state->files()[0].content, QStringLiteral("ay"));

    QTest::keyClicks(pane->editor()->textView(), QStringLiteral("!"));
    QTest::qWait(400);
    EXPECT_EQ(state->files()[0].content, QStringLiteral("ay!")) << "and after a short pause";
}

TEST_F(EditorPaneTest, TemplateInsertionReplacesTheText) {
    state->createFile(QStringLiteral("a.txt"), ProgrammingLanguage::txt);
    QTest::keyClicks(pane->editor()->textView(), QStringLiteral("typed"));
    state->updateFileContent(QStringLiteral("typed\n\nfrom a template"));
    emit commands.templateInserted(QStringLiteral("typed\n\nfrom a template"));
    EXPECT_EQ(pane->editor()->text(), QStringLiteral("typed\n\nfrom a template"));
    state->saveData();
    EXPECT_EQ(state->files()[0].content, QStringLiteral("typed\n\nfrom a template"));
}

TEST_F(EditorPaneTest, InsertedTemplateFollowsWhatWasJustTyped) {
    state->createFile(QStringLiteral("a.py"), ProgrammingLanguage::python);
    pane->editor()->setText(QString());
    QTest::keyClicks(pane->editor()->textView(), QStringLiteral("print(1)"));
    const AlgorithmTemplate& gcd = templates(AlgorithmCategory::math).first();
    ASSERT_TRUE(insertTemplate(*state, commands, gcd));
    EXPECT_TRUE(pane->editor()->text().startsWith(QStringLiteral("print(1)\n\n# GCD/LCM\n")));
    EXPECT_EQ(state->files()[0].content, pane->editor()->text());
}

TEST_F(EditorPaneTest, ARunJudgesTheTextJustTyped) {
    state->createFile(QStringLiteral("a.py"), ProgrammingLanguage::python);
    pane->editor()->setText(QString());
    QTest::keyClicks(pane->editor()->textView(), QStringLiteral("print(42)"));
    TestCase testCase = state->testCases()[0];
    testCase.expectedOutput = QStringLiteral("42");
    state->updateTestCase(testCase);
    ASSERT_TRUE(startTestRun(*state));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !state->isRunning(); }, 20000));
    EXPECT_EQ(state->testCases()[0].passed, true);
}
