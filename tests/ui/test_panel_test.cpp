#include "models/item_roles.h"
#include "runner/run_controller.h"
#include "support/accessibility_audit.h"
#include "support/printers.h"
#include "ui/actions.h"
#include "ui/testpanel/console_view.h"
#include "ui/testpanel/copy_code_button.h"
#include "ui/testpanel/output_view.h"
#include "ui/testpanel/test_case_card.h"
#include "ui/testpanel/test_cases_view.h"
#include "ui/testpanel/test_panel.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <gtest/gtest.h>

class TestPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
             QStringLiteral("/Corvanta"))
            .removeRecursively();
        QSettings().clear();
        state = std::make_unique<AppState>();
        runs = std::make_unique<RunController>(*state);
        panel = std::make_unique<TestPanel>(*state, commands, *runs);
        // The window turns the run command into executeCode; so does this test.
        QObject::connect(&commands, &Commands::runCode, &commands, &Commands::executeCode);
        panel->addAction(makeAction(ActionId::runCode, commands, panel.get()));
        panel->resize(900, 500);
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }

    void TearDown() override {
        panel.reset();
        runs.reset();
        state.reset();
    }

    template <typename T = QAbstractButton>
    T* lookup(const QString& name, QWidget* root = nullptr) const {
        for (T* widget : (root ? root : panel.get())->findChildren<T*>()) {
            if (widget->objectName() == name || widget->accessibleName() == name ||
                widget->property("text").toString() == name)
                return widget;
        }
        return nullptr;
    }

    template <typename T = QAbstractButton> T* find(const QString& name, QWidget* root = nullptr) {
        T* widget = lookup<T>(name, root);
        if (!widget)
            ADD_FAILURE() << "no control " << name.toStdString();
        return widget;
    }

    TestCaseCard* card(int row) const { return panel->testCasesView()->card(row); }

    static TestCase testCase(const QString& input, const QString& expected) {
        TestCase result;
        result.input = input;
        result.expectedOutput = expected;
        return result;
    }

    std::unique_ptr<AppState> state;
    Commands commands;
    std::unique_ptr<RunController> runs;
    std::unique_ptr<TestPanel> panel;
};

TEST_F(TestPanelTest, EveryControlCanBeNamed) {
    EXPECT_EQ(unnamedControls(panel.get()), QStringList());
}

// Ctrl+R always reaches the run; only a selected file makes it do something.
TEST_F(TestPanelTest, RunCommandStartsARunOnlyWithASelectedFile) {
    for (const bool withFile : {false, true}) {
        SCOPED_TRACE(withFile);
        if (withFile)
            state->createFile(QStringLiteral("notes.txt"), ProgrammingLanguage::txt);
        EXPECT_EQ(find(QStringLiteral("runButton"))->isEnabled(), withFile);
        EXPECT_EQ(find(QStringLiteral("copyCodeButton"))->isEnabled(), withFile);

        QSignalSpy reached(&commands, &Commands::executeCode);
        QTest::keySequence(panel.get(), actionInfo(ActionId::runCode).shortcut);
        EXPECT_EQ(reached.count(), 1);
        EXPECT_EQ(state->isRunning(), withFile);
        EXPECT_EQ(panel->selectedTab(),
                  withFile ? TestPanel::Tab::console : TestPanel::Tab::testCases);
        EXPECT_EQ(state->consoleOutput().isEmpty(), !withFile);
        EXPECT_FALSE(find(QStringLiteral("runButton"))->isEnabled());
    }
    // A text file cannot run: the case fails with the message.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !state->isRunning(); }));
    EXPECT_EQ(state->testCases()[0].actualOutput,
              QStringLiteral("📝 텍스트 파일은 실행할 수 없습니다."));
}

TEST_F(TestPanelTest, DeleteAllLeavesOneEmptyCase) {
    state->setTestCases({testCase(QStringLiteral("1"), QStringLiteral("1")),
                         testCase(QStringLiteral("2"), QStringLiteral("2"))});
    find(QStringLiteral("모두 삭제"))->click();
    ASSERT_EQ(state->testCases().size(), 1);
    EXPECT_TRUE(state->testCases()[0].input.isEmpty());
    EXPECT_TRUE(state->testCases()[0].expectedOutput.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->testCasesView()->cardCount() == 1; }));
    EXPECT_EQ(find<QLabel>(QStringLiteral("passSummary"))->text(),
              QStringLiteral("<b>0/1</b> 통과"));
    find(QStringLiteral("삭제"), card(0))->click();
    EXPECT_TRUE(state->testCases().isEmpty());
    EXPECT_FALSE(find<QLabel>(QStringLiteral("passSummary"))->isVisibleTo(panel.get()));
}

TEST_F(TestPanelTest, CardsShowVerdictFrameAndTimeOfARealRun) {
    state->createFile(QStringLiteral("echo.py"), ProgrammingLanguage::python);
    state->updateFileContent(QStringLiteral("print(input())\n"));
    state->setTestCases({testCase(QStringLiteral("7"), QStringLiteral("7")),
                         testCase(QStringLiteral("8"), QStringLiteral("9")),
                         testCase(QStringLiteral("5"), QString())});
    find(QStringLiteral("runButton"))->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !state->isRunning(); }, 60000));

    struct Expected {
        bool badge;
        QString badgeText;
        QString frame;
    };
    const Expected expected[] = {{true, QStringLiteral("통과"), QStringLiteral("pass")},
                                 {true, QStringLiteral("실패"), QStringLiteral("fail")},
                                 {false, QString(), QStringLiteral("none")}};
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        QWidget* badge = find<QWidget>(QStringLiteral("caseBadge"), card(row));
        EXPECT_EQ(badge->isVisibleTo(card(row)), expected[row].badge);
        if (expected[row].badge) {
            EXPECT_EQ(find<QLabel>(QStringLiteral("caseBadgeText"), card(row))->text(),
                      expected[row].badgeText);
        }
        EXPECT_EQ(find<QWidget>(QStringLiteral("actualOutputFrame"), card(row))
                      ->property("verdict")
                      .toString(),
                  expected[row].frame);
        auto* time = find<QLabel>(QStringLiteral("caseTime"), card(row));
        EXPECT_TRUE(time->isVisibleTo(card(row)));
        EXPECT_TRUE(time->text().endsWith(QStringLiteral("ms")));
    }
    EXPECT_EQ(find<QLabel>(QStringLiteral("passSummary"))->text(),
              QStringLiteral("<b>1/3</b> 통과"));
    EXPECT_EQ(panel->consoleView()->text()->toPlainText(), state->consoleOutput());
}

// Every click schedules its own reset; the first one still ends the
// confirmation, half an interval before the second click's would.
TEST_F(TestPanelTest, SecondCopyClickKeepsTheConfirmationUntilTheFirstReset) {
    state->createFile(QStringLiteral("a.txt"), ProgrammingLanguage::txt);
    state->updateFileContent(QStringLiteral("the code"));
    auto* button = static_cast<CopyCodeButton*>(find(QStringLiteral("copyCodeButton")));
    QSignalSpy changes(button, &CopyCodeButton::showCopiedChanged);

    button->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("the code"));
    EXPECT_EQ(button->text(), QStringLiteral("복사됨!"));
    bool afterFirstReset = false;
    QTimer::singleShot(1500 + 375, [&] { afterFirstReset = true; });
    QTimer::singleShot(750, button, [button] { button->click(); });
    ASSERT_TRUE(changes.wait(5000));
    EXPECT_FALSE(afterFirstReset) << "the reset came from the second click";
    EXPECT_EQ(button->text(), QStringLiteral("코드 복사"));
    EXPECT_EQ(changes.count(), 2) << "the second click left the confirmation as it was";
}

TEST_F(TestPanelTest, ConsoleFollowsTheEndAndClearsToThePlaceholder) {
    panel->selectTab(TestPanel::Tab::console);
    OutputView* console = panel->consoleView()->text();
    QStringList lines;
    for (int i = 0; i < 500; ++i)
        lines.append(QString::number(i));
    state->setConsoleOutput(lines.join(u'\n'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return console->verticalScrollBar()->maximum() > 0; }));
    EXPECT_EQ(console->verticalScrollBar()->value(), console->verticalScrollBar()->maximum());

    find(QStringLiteral("지우기"))->click();
    EXPECT_TRUE(state->consoleOutput().isEmpty());
    EXPECT_TRUE(console->document()->isEmpty());
    EXPECT_EQ(console->placeholderText(), QStringLiteral("실행 결과가 여기에 표시됩니다...람쥐"));
}

// A long list builds the cards a person can see; the others come as they
// scroll into view, showing the case as it is then.
TEST_F(TestPanelTest, LongListsBuildCardsAsTheyComeIntoView) {
    QList<TestCase> cases;
    for (int i = 0; i < 200; ++i)
        cases.append(testCase(QString::number(i), QString::number(2 * i)));
    state->setTestCases(cases);
    TestCasesView* view = panel->testCasesView();
    EXPECT_EQ(view->cardCount(), 200);
    EXPECT_LT(view->builtCardCount(), 12);

    TestCase result = state->testCases()[199];
    result.passed = false;
    result.executionTime = 3.0;
    state->updateTestCase(result);
    auto* list = find<QScrollArea>(QStringLiteral("테스트 케이스 목록"));
    QScrollBar* bar = list->verticalScrollBar();
    // The range follows the list once its layout has run.
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->maximum() > 0; }));
    bar->setValue(bar->maximum());
    EXPECT_LT(view->builtCardCount(), 30);
    EXPECT_FALSE(card(199)->visibleRegion().isEmpty());
    EXPECT_EQ(find<QLabel>(QStringLiteral("caseTime"), card(199))->text(), QStringLiteral("3.0ms"));

    // Tab goes down the list, into cards that were not built yet too.
    bar->setValue(0);
    const int lastBuilt = [&] {
        int row = 0;
        while (lookup<QPlainTextEdit>(QStringLiteral("테스트 #%1 입력").arg(row + 2)))
            ++row;
        return row;
    }();
    ASSERT_LT(lastBuilt, 100);
    find<QPlainTextEdit>(QStringLiteral("테스트 #%1 입력").arg(lastBuilt + 1))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(),
              QStringLiteral("테스트 #%1 입력").arg(lastBuilt + 2));

    bar->setValue(0);
    find(QStringLiteral("테스트 추가"))->click();
    ASSERT_EQ(view->cardCount(), 201);
    EXPECT_FALSE(card(200)->visibleRegion().isEmpty());
    EXPECT_TRUE(find<QPlainTextEdit>(QStringLiteral("테스트 #201 입력"))->hasFocus());
}

// A result arriving during a run must not disturb the case being typed in.
TEST_F(TestPanelTest, AResultRefreshesOnlyItsOwnCard) {
    QList<TestCase> cases;
    for (int i = 0; i < 5; ++i)
        cases.append(testCase(QString::number(i), QString::number(i)));
    state->setTestCases(cases);
    QList<TestCaseCard*> before;
    for (int row = 0; row < 5; ++row)
        before.append(card(row));
    auto* typing = find<QPlainTextEdit>(QStringLiteral("테스트 #4 입력"));
    typing->setFocus();
    QTest::keyClicks(typing, QStringLiteral("23"));
    typing->moveCursor(QTextCursor::Start);

    QSignalSpy resets(panel.get()->findChild<QAbstractItemModel*>(),
                      &QAbstractItemModel::modelReset);
    TestCase result = state->testCases()[0];
    result.actualOutput = QStringLiteral("0\n");
    result.passed = true;
    result.executionTime = 12.25;
    state->updateTestCase(result);

    EXPECT_EQ(resets.count(), 0);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(card(row), before[row]);
    EXPECT_EQ(find<QLabel>(QStringLiteral("caseTime"), card(0))->text(), QStringLiteral("12.2ms"));
    EXPECT_EQ(state->testCases()[3].input, QStringLiteral("233"));
    EXPECT_TRUE(typing->hasFocus());
    EXPECT_EQ(typing->textCursor().position(), 0);
    EXPECT_TRUE(typing->document()->isUndoAvailable());
}

// A program may print 64 MiB: the views show the start, the state keeps all.
TEST_F(TestPanelTest, HugeOutputsShowABoundedStartAndSayHowMuchIsLeft) {
    const QString huge = QStringLiteral("0123456789abcde\n").repeated(1 << 18);
    TestCase result = state->testCases()[0];
    result.actualOutput = huge;
    result.executionTime = 1;
    state->updateTestCase(result);
    state->setConsoleOutput(QString(huge).replace(u'\n', u' '));

    for (OutputView* view : {find<OutputView>(QStringLiteral("actualOutput"), card(0)),
                             panel->consoleView()->text()}) {
        SCOPED_TRACE(view->objectName().toStdString());
        EXPECT_GT(view->omittedChars(), 0);
        EXPECT_LT(view->document()->characterCount(), huge.size() / 4);
        EXPECT_TRUE(view->document()->lastBlock().text().contains(
            QLocale(QLocale::Korean).toString(view->omittedChars())));
    }
    EXPECT_EQ(state->testCases()[0].actualOutput, huge);
    EXPECT_EQ(state->consoleOutput().size(), huge.size());
}
