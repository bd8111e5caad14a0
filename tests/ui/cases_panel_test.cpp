#include "problems/problem_session.h"
#include "runner/run_session.h"
#include "support/files.h"
#include "support/printers.h"
#include "support/process_runner.h"
#include "support/test_cases.h"
#include "support/test_support.h"
#include "support/widgets.h"
#include "ui/actions.h"
#include "ui/testpanel/case_card.h"
#include "ui/testpanel/cases_panel.h"
#include "ui/testpanel/cases_view.h"
#include "ui/testpanel/console_view.h"
#include "ui/testpanel/copy_code_button.h"
#include "ui/testpanel/output_view.h"
#include "ui/window_context.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class TestPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        startAsFirstRun();
        owners = std::make_unique<WindowContext>();
        runs = std::make_unique<RunSession>(owners->workspace, owners->settings);
        problems = std::make_unique<ProblemSession>(owners->workspace.cases());
        panel = std::make_unique<CasesPanel>(owners->workspace, owners->settings, *runs, *problems);
        // As the window does.
        QObject::connect(&owners->commands, &Commands::runCode, runs.get(), &RunSession::start);
        panel->addAction(makeAction(ActionId::runCode, owners->commands, panel.get()));
        panel->resize(900, 500);
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }

    template <typename T = QAbstractButton>
    T* lookup(const QString& name, QWidget* root = nullptr) const {
        return withName<T>(root ? root : panel.get(), name);
    }

    template <typename T = QAbstractButton> T* find(const QString& name, QWidget* root = nullptr) {
        T* widget = lookup<T>(name, root);
        if (!widget)
            ADD_FAILURE() << "no control " << name.toStdString();
        return widget;
    }

    CaseCard* card(int row) const { return panel->testCasesView()->card(row); }

    // Cases "0", "1", ... each expecting its own input back.
    void fillCases(int count) {
        QList<TestCase> cases;
        for (int i = 0; i < count; ++i)
            cases.append(testCase(QString::number(i), QString::number(i)));
        owners->workspace.cases().setTestCases(cases);
    }

    std::unique_ptr<WindowContext> owners;
    std::unique_ptr<RunSession> runs;
    std::unique_ptr<ProblemSession> problems;
    std::unique_ptr<CasesPanel> panel;
};

// Ctrl+R always reaches the run; only a selected file makes it do something.
TEST_F(TestPanelTest, RunCommandStartsARunOnlyWithASelectedFile) {
    for (const bool withFile : {false, true}) {
        SCOPED_TRACE(withFile);
        if (withFile)
            owners->workspace.createFile(u"notes.txt"_s, ProgrammingLanguage::txt);
        EXPECT_EQ(find(u"runButton"_s)->isEnabled(), withFile);
        EXPECT_EQ(find(u"copyCodeButton"_s)->isEnabled(), withFile);

        QSignalSpy reached(&owners->commands, &Commands::runCode);
        QTest::keySequence(panel.get(), actionInfo(ActionId::runCode).shortcut);
        EXPECT_EQ(reached.count(), 1);
        EXPECT_EQ(runs->isRunning(), withFile);
        EXPECT_EQ(panel->selectedTab(),
                  withFile ? CasesPanel::Tab::console : CasesPanel::Tab::testCases);
        EXPECT_EQ(runs->consoleText().isEmpty(), !withFile);
        EXPECT_FALSE(find(u"runButton"_s)->isEnabled());
    }
    // A text file cannot run: the case fails, the console says why.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !runs->isRunning(); }));
    EXPECT_EQ(owners->workspace.cases().testCases()[0].result->verdict.kind,
              VerdictKind::failedToStart);
    EXPECT_TRUE(runs->consoleText().contains(u"📝 텍스트 파일은 실행할 수 없습니다."_s));
}

TEST_F(TestPanelTest, DeleteAllLeavesOneEmptyCase) {
    fillCases(2);
    find(u"모두 삭제"_s)->click();
    ASSERT_EQ(owners->workspace.cases().testCases().size(), 1);
    EXPECT_TRUE(owners->workspace.cases().testCases()[0].input.isEmpty());
    EXPECT_TRUE(owners->workspace.cases().testCases()[0].expectedOutput.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->testCasesView()->cardCount() == 1; }));
    EXPECT_EQ(find<QLabel>(u"passSummary"_s)->text(), u"<b>–/1</b>"_s) << "no run yet";
    find(u"삭제"_s, card(0))->click();
    EXPECT_TRUE(owners->workspace.cases().testCases().isEmpty());
    EXPECT_FALSE(find<QLabel>(u"passSummary"_s)->isVisibleTo(panel.get()));
}

// The cards of a real run, and the command-line tool's verdicts for the same
// file and cases: both say the same.
TEST_F(TestPanelTest, CardsShowTheVerdictsTheCommandLineGives) {
    const QString code = u"print(int(input()))\n"_s;
    owners->workspace.createFile(u"echo.py"_s, ProgrammingLanguage::python);
    owners->workspace.setFileText(owners->workspace.selectedFile()->id, code);
    owners->workspace.cases().setTestCases({testCase(u"7"_s, u"7"_s), testCase(u"8"_s, u"9"_s),
                                            testCase(u"5"_s), testCase(u"x"_s, u"1"_s)});
    QSignalSpy ended(runs.get(), &RunSession::finished);
    find(u"runButton"_s)->click();
    ASSERT_TRUE(ended.wait(60000));
    // The traceback of the case that failed at run time names the file and its line.
    EXPECT_TRUE(owners->workspace.cases().testCases()[3].result->message.contains(
        u"File \"echo.py\", line 1"_s))
        << owners->workspace.cases().testCases()[3].result->message.toStdString();
    const auto messages = ended[0][1].value<QList<CompilerMessage>>();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].line, 1);
    EXPECT_FALSE(ended[0][2].toBool()) << "every case ran";

    QTemporaryDir folder;
    writeFile(folder.filePath(u"echo.py"_s), code.toUtf8());
    for (int i = 0; i < 4; ++i) {
        writeFile(folder.filePath(u"%1.in"_s.arg(i + 1)),
                  owners->workspace.cases().testCases()[i].input.toUtf8());
        writeFile(folder.filePath(u"%1.out"_s.arg(i + 1)),
                  owners->workspace.cases().testCases()[i].expectedOutput.toUtf8());
    }
    const ProcessOutcome cli =
        runCli({u"run"_s, folder.filePath(u"echo.py"_s), folder.path(), u"--json"_s});
    const QJsonArray verdicts = QJsonDocument::fromJson(cli.out.toUtf8())[u"cases"_s].toArray();
    ASSERT_EQ(verdicts.size(), 4) << cli.out.toStdString();

    // Badge text (none: no badge) and frame of each card; a wrong answer
    // shows a diff instead of the frame.
    const std::pair<QString, QString> expected[] = {{u"맞았습니다"_s, u"pass"_s},
                                                    {u"틀렸습니다"_s, QString()},
                                                    {QString(), u"none"_s},
                                                    {u"런타임 에러 (종료 코드 1)"_s, u"fail"_s}};
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        const auto& [badgeText, frame] = expected[row];
        EXPECT_EQ(verdicts[row][u"verdict"_s].toString(),
                  verdictWord(owners->workspace.cases().testCases()[row].result->verdict.kind));
        EXPECT_EQ(find<QWidget>(u"caseBadge"_s, card(row))->isVisibleTo(card(row)),
                  !badgeText.isEmpty());
        if (!badgeText.isEmpty()) {
            EXPECT_EQ(find<QLabel>(u"caseBadgeText"_s, card(row))->text(), badgeText);
        }
        EXPECT_EQ(find<QWidget>(u"actualOutputFrame"_s, card(row))->isVisibleTo(card(row)),
                  !frame.isEmpty());
        if (!frame.isEmpty()) {
            EXPECT_EQ(find<QWidget>(u"actualOutputFrame"_s, card(row))->property("verdict"), frame);
        }
        auto* time = find<QLabel>(u"caseTime"_s, card(row));
        EXPECT_TRUE(time->isVisibleTo(card(row)));
        EXPECT_TRUE(time->text().endsWith(u"KB"_s)) << time->text().toStdString();
    }
    EXPECT_EQ(find<QLabel>(u"passSummary"_s)->text(), u"<b>1/4</b> 통과"_s);
    EXPECT_EQ(panel->consoleView()->text()->toPlainText(), runs->consoleText());
    // The run ends on the first failure, in view.
    EXPECT_EQ(panel->selectedTab(), CasesPanel::Tab::testCases);
    EXPECT_FALSE(card(1)->resultView()->visibleRegion().isEmpty());

    // The wrong answer, as a screen reader reads it: where it differs, and
    // the differing value marked in the actual output.
    EXPECT_TRUE(named<QLabel>(card(1),
                              u"1번째 줄 1번째 값: 기대 9, 실제 8 · 비교 규칙: 줄 끝 공백 무시"_s));
    QPlainTextEdit* actual = named<QPlainTextEdit>(card(1), u"실제 출력"_s);
    ASSERT_TRUE(actual);
    QTextCursor eight(actual->document()->find(u"8"_s));
    ASSERT_FALSE(eight.isNull());
    eight.setPosition(eight.selectionEnd());
    EXPECT_NE(eight.charFormat().background().style(), Qt::NoBrush);

    named<QAbstractButton>(card(1), u"크게 보기"_s)->click();
    auto* large = panel->window()->findChild<QDialog*>(u"largeDiff"_s);
    ASSERT_TRUE(large && large->isVisible());
    EXPECT_TRUE(
        named<QLabel>(large, u"1번째 줄 1번째 값: 기대 9, 실제 8 · 비교 규칙: 줄 끝 공백 무시"_s));
    large->close();
}

// Every click schedules its own reset; the first one still ends the
// confirmation, half an interval before the second click's would.
TEST_F(TestPanelTest, SecondCopyClickKeepsTheConfirmationUntilTheFirstReset) {
    owners->workspace.createFile(u"a.txt"_s, ProgrammingLanguage::txt);
    owners->workspace.setFileText(owners->workspace.selectedFile()->id, u"the code"_s);
    auto* button = static_cast<CopyCodeButton*>(find(u"copyCodeButton"_s));
    QSignalSpy changes(button, &CopyCodeButton::showCopiedChanged);

    button->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"the code"_s);
    EXPECT_EQ(button->text(), u"복사됨!"_s);
    bool afterFirstReset = false;
    QTimer::singleShot(1500 + 375, button, [&] { afterFirstReset = true; });
    QTimer::singleShot(750, button, [button] { button->click(); });
    ASSERT_TRUE(changes.wait(5000));
    EXPECT_FALSE(afterFirstReset) << "the reset came from the second click";
    EXPECT_EQ(button->text(), u"코드 복사"_s);
    EXPECT_EQ(changes.count(), 2) << "the second click left the confirmation as it was";
}

// The bar shows and edits the active choice: a tolerance that is no number
// is refused, a checker is one of the workspace's runnable files, and
// deleting that file returns to the comparison.
TEST_F(TestPanelTest, JudgeBarEditsTheStatesChoice) {
    auto* kind = find<QComboBox>(u"채점 방식"_s);
    auto* tolerance = find<QLineEdit>(u"허용 오차"_s);
    auto* program = find<QComboBox>(u"채점 프로그램"_s);
    ASSERT_TRUE(kind && tolerance && program);
    const auto choose = [kind](const QString& data) {
        kind->setCurrentIndex(kind->findData(data));
        emit kind->activated(kind->currentIndex());
    };
    const auto typeTolerance = [tolerance](const QString& text) {
        tolerance->selectAll();
        QTest::keyClicks(tolerance, text);
        QTest::keyClick(tolerance, Qt::Key_Return);
    };
    EXPECT_FALSE(tolerance->isVisible());

    choose(u"float"_s);
    EXPECT_EQ(owners->workspace.cases().judgeChoice().comparison, u"float"_s);
    EXPECT_TRUE(tolerance->isVisible());
    typeTolerance(u"1e-3"_s);
    EXPECT_EQ(owners->workspace.cases().judgeChoice().comparison, u"float:0.001"_s);
    typeTolerance(u"abc"_s);
    EXPECT_EQ(owners->workspace.cases().judgeChoice().comparison, u"float:0.001"_s);
    EXPECT_EQ(tolerance->text(), u"0.001"_s);

    owners->workspace.createFile(u"notes.txt"_s, ProgrammingLanguage::txt);
    owners->workspace.createFile(u"check.cpp"_s, ProgrammingLanguage::cpp);
    const QUuid checker = owners->workspace.selectedFile()->id;
    ASSERT_EQ(program->count(), 1) << "only files that run";
    choose(u"checker"_s);
    EXPECT_EQ(owners->workspace.cases().judgeChoice().program, JudgeChoice::Program::checker);
    EXPECT_EQ(owners->workspace.cases().judgeChoice().programFileId, checker);
    EXPECT_TRUE(program->isVisible());
    EXPECT_FALSE(tolerance->isVisible());

    owners->workspace.deleteFile(checker);
    EXPECT_EQ(owners->workspace.cases().judgeChoice().program, JudgeChoice::Program::none);
    EXPECT_EQ(owners->workspace.cases().judgeChoice().comparison, u"float:0.001"_s);
    EXPECT_EQ(kind->currentData().toString(), u"float"_s);
    EXPECT_FALSE(program->isVisible());
}

TEST_F(TestPanelTest, ConsoleFollowsTheEndAndClearsToThePlaceholder) {
    panel->selectTab(CasesPanel::Tab::console);
    OutputView* console = panel->consoleView()->text();
    QStringList lines;
    for (int i = 0; i < 500; ++i)
        lines.append(QString::number(i));
    runs->setConsoleText(lines.join(u'\n'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return console->verticalScrollBar()->maximum() > 0; }));
    EXPECT_EQ(console->verticalScrollBar()->value(), console->verticalScrollBar()->maximum());

    find(u"지우기"_s)->click();
    EXPECT_TRUE(runs->consoleText().isEmpty());
    EXPECT_TRUE(console->document()->isEmpty());
    EXPECT_FALSE(console->placeholderText().isEmpty());
}

// A long list builds the cards a person can see; the others come as they
// scroll into view, showing the case as it is then.
TEST_F(TestPanelTest, LongListsBuildCardsAsTheyComeIntoView) {
    fillCases(200);
    CasesView* view = panel->testCasesView();
    EXPECT_EQ(view->cardCount(), 200);
    EXPECT_LT(view->builtCardCount(), 12);

    TestCase result = owners->workspace.cases().testCases()[199];
    result.result = CaseResult{{VerdictKind::wrongAnswer}, {}, {}, 3.0, 0, 0};
    owners->workspace.cases().updateTestCase(result);
    auto* list = find<QScrollArea>(u"테스트 케이스 목록"_s);
    QScrollBar* bar = list->verticalScrollBar();
    // The range follows the list once its layout has run.
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->maximum() > 0; }));
    bar->setValue(bar->maximum());
    EXPECT_LT(view->builtCardCount(), 30);
    EXPECT_FALSE(card(199)->visibleRegion().isEmpty());
    EXPECT_EQ(find<QLabel>(u"caseTime"_s, card(199))->text(), u"3.0ms"_s);

    // Tab goes down the list, into cards that were not built yet too.
    bar->setValue(0);
    const int lastBuilt = [&] {
        int row = 0;
        while (lookup<QPlainTextEdit>(u"테스트 #%1 입력"_s.arg(row + 2)))
            ++row;
        return row;
    }();
    ASSERT_LT(lastBuilt, 100);
    find<QPlainTextEdit>(u"테스트 #%1 입력"_s.arg(lastBuilt + 1))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(),
              u"테스트 #%1 입력"_s.arg(lastBuilt + 2));

    bar->setValue(0);
    find(u"테스트 추가"_s)->click();
    ASSERT_EQ(view->cardCount(), 201);
    EXPECT_FALSE(card(200)->visibleRegion().isEmpty());
    EXPECT_TRUE(find<QPlainTextEdit>(u"테스트 #201 입력"_s)->hasFocus());
}

// A result arriving during a run must not disturb the case being typed in.
TEST_F(TestPanelTest, AResultRefreshesOnlyItsOwnCard) {
    fillCases(5);
    QList<CaseCard*> before;
    for (int row = 0; row < 5; ++row)
        before.append(card(row));
    auto* typing = find<QPlainTextEdit>(u"테스트 #4 입력"_s);
    typing->setFocus();
    QTest::keyClicks(typing, u"23"_s);
    typing->moveCursor(QTextCursor::Start);

    QSignalSpy resets(panel.get()->findChild<QAbstractItemModel*>(),
                      &QAbstractItemModel::modelReset);
    TestCase result = owners->workspace.cases().testCases()[0];
    result.result = CaseResult{{VerdictKind::accepted}, u"0\n"_s, {}, 12.25, 10, 2048};
    owners->workspace.cases().updateTestCase(result);

    EXPECT_EQ(resets.count(), 0);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(card(row), before[row]);
    EXPECT_EQ(find<QLabel>(u"caseTime"_s, card(0))->text(), u"12.2ms · 2048KB"_s);
    EXPECT_EQ(owners->workspace.cases().testCases()[3].input, u"233"_s);
    EXPECT_TRUE(typing->hasFocus());
    EXPECT_EQ(typing->textCursor().position(), 0);
    EXPECT_TRUE(typing->document()->isUndoAvailable());
}

// A field shows all of a sample up to eight lines without a scroll bar; a
// judge's samples end in a line feed, so two lines of text are three blocks.
TEST_F(TestPanelTest, CaseFieldsGrowWithTheirLinesAndScrollOnlyPastEight) {
    const QStringList inputs = {u"1 2"_s, u"1 2\n"_s, u"1\n2\n3\n4\n5\n6\n7\n"_s,
                                u"1\n2\n3\n4\n5\n6\n7\n8\n9"_s};
    QList<TestCase> cases;
    for (const QString& input : inputs)
        cases.append(testCase(input));
    owners->workspace.cases().setTestCases(cases);
    for (int row = 0; row < inputs.size(); ++row) {
        auto* field = find<QPlainTextEdit>(u"테스트 #%1 입력"_s.arg(row + 1));
        QCoreApplication::processEvents();
        EXPECT_EQ(field->verticalScrollBar()->maximum() > 0, row == 3) << inputs[row].toStdString();
    }
}

// A program may print 64 MiB: the views show the start, the workspace keeps all.
TEST_F(TestPanelTest, HugeOutputsShowABoundedStartAndSayHowMuchIsLeft) {
    const QString huge = u"0123456789abcde\n"_s.repeated(1 << 18);
    TestCase result = owners->workspace.cases().testCases()[0];
    result.result = CaseResult{{VerdictKind::accepted}, huge, {}, 1, 1, 1};
    owners->workspace.cases().updateTestCase(result);
    runs->setConsoleText(QString(huge).replace(u'\n', u' '));

    for (OutputView* view :
         {find<OutputView>(u"actualOutput"_s, card(0)), panel->consoleView()->text()}) {
        SCOPED_TRACE(view->objectName().toStdString());
        EXPECT_GT(view->omittedChars(), 0);
        EXPECT_LT(view->document()->characterCount(), huge.size() / 4);
        EXPECT_TRUE(view->document()->lastBlock().text().contains(
            QLocale(QLocale::Korean).toString(view->omittedChars())));
    }
    EXPECT_EQ(owners->workspace.cases().testCases()[0].result->output, huge);
    EXPECT_EQ(runs->consoleText().size(), huge.size());
}
