#include "runner/judge_run.h"
#include "runner/run_session.h"
#include "runner_test_support.h"
#include "support/printers.h"
#include "support/test_cases.h"
#include "support/test_support.h"
#include "ui/window_context.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Collects what a run hands back, noting a case that arrives after the report.
struct Collected {
    explicit Collected(JudgeRun& run) : finished(&run, &JudgeRun::finished) {
        QObject::connect(&run, &JudgeRun::caseFinished,
                         [this](const QUuid&, const TestRunRecord& record) {
                             casesAfterReport |= !report.isEmpty();
                             records.append(record);
                         });
        QObject::connect(&run, &JudgeRun::finished, [this](const QString& text, bool passed) {
            report = text;
            allPassed = passed;
        });
    }

    QSignalSpy finished;
    QList<TestRunRecord> records;
    QString report;
    bool allPassed = false;
    bool casesAfterReport = false;
};

class TestRunTest : public ::testing::Test {
protected:
    // Every workspace starts empty.
    void SetUp() override { startAsFirstRun(); }
};

// The window's run, over a workspace of its own.
class RunSessionTest : public TestRunTest {
protected:
    void SetUp() override {
        TestRunTest::SetUp();
        ASSERT_TRUE(toolInstalled("python3"));
        owners = std::make_unique<WindowContext>();
    }

    // Creates the file, selected, with this text.
    void addPythonFile(const QString& name, const QString& text) {
        owners->workspace.createFile(name, ProgrammingLanguage::python);
        owners->workspace.setFileText(owners->workspace.selectedFile()->id, text);
    }

    bool runToEnd() {
        if (!owners->runs.start())
            return false;
        QSignalSpy done(&owners->runs, &RunSession::runningChanged);
        return done.wait(60000);
    }

    std::unique_ptr<WindowContext> owners;
};

const QString pythonEcho = u"print(input())\n"_s;
const RunLimits unlimited{0, 0, 0};

VerdictKind verdictOf(const TestCase& testCase) {
    return testCase.result ? testCase.result->verdict.kind : VerdictKind::failedToStart;
}

TEST_F(RunSessionTest, SessionAppliesEveryOutcomeToTheState) {
    RunSession& session = owners->runs;
    EXPECT_FALSE(session.start()) << "no file is selected";
    EXPECT_TRUE(session.consoleText().isEmpty());
    addPythonFile(u"sum.py"_s, u"a, b = map(int, input().split())\nprint(a + b)\n"_s);
    TestCase stale = testCase(u"1 2"_s, u"3"_s);
    stale.result = CaseResult{{VerdictKind::wrongAnswer}, u"old"_s, {}, 1, 1, 1};
    owners->workspace.cases().setTestCases({
        stale, testCase(u"5 5"_s, u"11"_s),
        testCase(u"0 0"_s, QString()), // nothing to compare with
        testCase(u"2 2"_s, u" \n"_s),  // nor here
    });

    ASSERT_TRUE(session.start());
    EXPECT_TRUE(session.isRunning());
    EXPECT_EQ(session.consoleText(), u"🦦 sum.py 실행 중...\n\n"_s);
    for (const TestCase& c : owners->workspace.cases().testCases())
        EXPECT_FALSE(c.result) << "old results stay";
    EXPECT_FALSE(session.start()) << "a second run while one goes on";

    bool allShownWhenDone = false;
    QObject::connect(&session, &RunSession::runningChanged, [&](bool running) {
        allShownWhenDone =
            !running && std::all_of(owners->workspace.cases().testCases().begin(),
                                    owners->workspace.cases().testCases().end(),
                                    [](const TestCase& c) { return c.result.has_value(); });
    });
    QSignalSpy done(&session, &RunSession::runningChanged);
    ASSERT_TRUE(done.wait(60000));

    EXPECT_TRUE(allShownWhenDone);
    const QList<TestCase>& cases = owners->workspace.cases().testCases();
    ASSERT_EQ(cases.size(), 4);
    ASSERT_TRUE(cases[0].result);
    EXPECT_EQ(cases[0].result->output, u"3\n"_s);
    EXPECT_GT(cases[0].result->wallMs, 0);
    EXPECT_GT(cases[0].result->peakMemoryKiB, 0);
    const VerdictKind verdicts[] = {VerdictKind::accepted, VerdictKind::wrongAnswer,
                                    VerdictKind::noExpectedOutput, VerdictKind::noExpectedOutput};
    QList<TestRunRecord> records;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(verdictOf(cases[i]), verdicts[i]) << i;
        records.append({i, cases[i].result.value_or(CaseResult{})});
    }
    EXPECT_EQ(session.consoleText(), buildRunReport(*owners->workspace.selectedFile(), records));
    EXPECT_TRUE(session.consoleText().contains(u"📊 결과: 3/4 통과\n"_s));
    owners->store.resetData();
    EXPECT_TRUE(session.consoleText().isEmpty());
}

// The window's run judges by the workspace's choice, with the checker's text
// as its editor holds it.
TEST_F(RunSessionTest, SessionJudgesByTheWorkspacesChoice) {
    CaseBook& cases = owners->workspace.cases();
    addPythonFile(u"check.py"_s, u"import sys\nsys.exit(1)\n"_s);
    const QUuid checker = owners->workspace.selectedFile()->id;
    addPythonFile(u"echo.py"_s, pythonEcho);
    cases.setTestCases({testCase(u"a"_s, u"a"_s)});
    cases.setJudgeChoice({u"lines"_s, JudgeChoice::Program::checker, checker, u"testlib"_s});

    ASSERT_TRUE(runToEnd());
    EXPECT_EQ(verdictOf(cases.testCases()[0]), VerdictKind::wrongAnswer);
}

// A judge problem's one second decides, though the settings would allow a minute.
TEST_F(RunSessionTest, AProblemsLimitsDecideOverTheSettings) {
    CaseBook& cases = owners->workspace.cases();
    owners->settings.setExecution({.executionTimeout = 60});
    addPythonFile(u"busy.py"_s,
                  u"import time\nwhile time.process_time() < 1.5: pass\nprint('a')\n"_s);
    cases.setTestCases({testCase(u""_s, u"a"_s)});
    EXPECT_TRUE(runToEnd());
    EXPECT_EQ(verdictOf(cases.testCases()[0]), VerdictKind::accepted);
    JudgeChoice problem;
    problem.timeLimitMs = 1000;
    problem.memoryLimitMb = 256;
    cases.setJudgeChoice(problem);
    EXPECT_TRUE(runToEnd());
    EXPECT_EQ(verdictOf(cases.testCases()[0]), VerdictKind::timeLimit);
}

TEST_F(RunSessionTest, EditsDuringTheRunDoNotAffectIt) {
    Workspace& workspace = owners->workspace;
    CaseBook& cases = workspace.cases();
    addPythonFile(u"echo.py"_s, pythonEcho);
    cases.setTestCases({testCase(u"first"_s, u"first"_s), testCase(u"second"_s, u"second"_s)});

    ASSERT_TRUE(owners->runs.start());
    workspace.setFileText(workspace.selectedFile()->id, u"raise SystemExit(1)\n"_s);
    TestCase edited = cases.testCases()[1];
    edited.input = u"changed"_s;
    cases.updateTestCase(edited);
    cases.deleteTestCase(cases.testCases()[0]);

    QSignalSpy done(&owners->runs, &RunSession::runningChanged);
    ASSERT_TRUE(done.wait(60000));
    ASSERT_EQ(cases.testCases().size(), 1);
    EXPECT_EQ(cases.testCases()[0].result->output, u"second\n"_s);
    EXPECT_EQ(verdictOf(cases.testCases()[0]), VerdictKind::accepted);
    // The deleted case keeps its card.
    EXPECT_TRUE(owners->runs.consoleText().contains(u"결과: 2/2 통과"_s));
}

TEST_F(TestRunTest, CompilesOnceForAllCasesAndShowsACompileErrorOnce) {
    ASSERT_TRUE(toolInstalled("gcc"));
    ScriptPath tools;
    tools.addCountingWrapper(u"gcc"_s, QStandardPaths::findExecutable(u"gcc"_s, {u"/usr/bin"_s}));
    const QList<TestCase> three = {testCase(u"1"_s, u"1"_s), testCase(u"2"_s, u"2"_s),
                                   testCase(u"3"_s, u"3"_s)};

    const QString broken = u"int main(void) { return }"_s;
    const QString echo =
        u"#include <stdio.h>\nint main(void) { int n; scanf(\"%d\", &n); printf(\"%d\\n\", n); }"_s;
    const QString allPassed =
        u"🦦🦦🎉 결과: 3/3 통과 - 모든 테스트 통과! 이예이"_s;
    const struct {
        const char* name;
        QString code;
        QList<TestCase> cases;
        int compiles; // counted from the start of the test
        QString result;
    } runs[] = {
        {"no test cases: nothing is compiled",
         broken,
         {},
         0,
         u"🦦🦦🎉 결과: 0/0 통과 - 모든 테스트 통과! 이예이"_s},
        {"a compile error fails every case", broken, three, 1, u"📊 결과: 0/3 통과"_s},
        {"success", echo, three, 2, allPassed},
        {"the same source again comes from the cache", echo, three, 2, allPassed},
    };
    for (const auto& r : runs) {
        SCOPED_TRACE(r.name);
        JudgeRun run(FileItem::make(u"a.c"_s, ProgrammingLanguage::c, r.code), r.cases,
                     RunLimits{});
        Collected collected(run);
        run.start();
        ASSERT_TRUE(collected.finished.wait(60000));
        EXPECT_EQ(tools.calls(), r.compiles);
        EXPECT_FALSE(collected.casesAfterReport);
        EXPECT_EQ(collected.allPassed, r.result.startsWith(u"🦦🦦🎉"_s));
        EXPECT_TRUE(collected.report.endsWith(
            r.result + u"\n═══════════════════════════════════════════\n"_s));
        const bool compileError = run.runFailure().has_value();
        EXPECT_EQ(compileError, r.code == broken && !r.cases.isEmpty());
        EXPECT_EQ(collected.report.count(u"🔴 컴파일 에러"_s), compileError ? 1 : 0);
        for (const TestRunRecord& record : collected.records)
            EXPECT_EQ(record.result.verdict.kind == VerdictKind::compileError, compileError);
    }
}

QList<TestRunRecord> judgeWith(const FileItem& solution, const QList<TestCase>& cases,
                               const JudgeOptions& judging, std::optional<CaseResult>* failure) {
    JudgeRun run(solution, cases, RunLimits{});
    run.setJudgeOptions(judging);
    Collected collected(run);
    run.start();
    EXPECT_TRUE(collected.finished.wait(60000));
    *failure = run.runFailure();
    return collected.records;
}

// The run's chosen rule decides each case that ran cleanly; a checker that
// cannot decide is 채점기 오류 with its message, one that does not compile
// fails the run once; an interaction shows the conversation and the
// solution's own peak memory.
TEST_F(TestRunTest, JudgesByTheChosenComparisonCheckerOrInteractor) {
    for (const char* tool : {"g++", "python3"})
        ASSERT_TRUE(toolInstalled(tool));
    const QString data = QStringLiteral(CORVANTA_TEST_DATA_DIR);
    const FileItem echo = FileItem::make(u"echo.py"_s, ProgrammingLanguage::python, pythonEcho);
    std::optional<CaseResult> failure;

    const QList<TestCase> close = {testCase(u"0.3333334"_s, u"0.3333333"_s),
                                   testCase(u"0.3334"_s, u"0.3333333"_s), testCase(u"1"_s, {})};
    JudgeOptions floating;
    floating.comparison = *ComparisonMode::fromName(u"float"_s);
    QList<TestRunRecord> records = judgeWith(echo, close, floating, &failure);
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[0].result.verdict.kind, VerdictKind::accepted);
    EXPECT_EQ(records[1].result.verdict.kind, VerdictKind::wrongAnswer);
    EXPECT_EQ(records[2].result.verdict.kind, VerdictKind::noExpectedOutput);

    JudgeOptions checker;
    checker.checker = dataFile(data + u"/checkers/verdict_checker.cpp"_s);
    records = judgeWith(echo,
                        {testCase(u"yes"_s, u"yes"_s), testCase(u"no"_s, u"yes"_s),
                         testCase(u"x"_s, u"crash"_s), testCase(u"x"_s, u"code 5"_s)},
                        checker, &failure);
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[0].result.verdict.kind, VerdictKind::accepted);
    EXPECT_EQ(records[1].result.verdict.kind, VerdictKind::wrongAnswer);
    EXPECT_TRUE(records[1].result.message.startsWith(u"expected yes, found no"_s));
    for (int i : {2, 3}) {
        EXPECT_EQ(records[i].result.verdict.kind, VerdictKind::checkerFailure);
        EXPECT_FALSE(shownText(records[i].result).isEmpty());
    }

    checker.checker->content = u"int main() {"_s;
    records =
        judgeWith(echo, {testCase(u"a"_s, u"a"_s), testCase(u"b"_s, u"b"_s)}, checker, &failure);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->verdict.kind, VerdictKind::checkerFailure);
    EXPECT_TRUE(failure->message.contains(u"verdict_checker.cpp:1"_s))
        << failure->message.toStdString();

    JudgeOptions interactor;
    interactor.interactor = dataFile(data + u"/interactive/sum_interactor.cpp"_s);
    const TestCase questions =
        testCase(QString::fromUtf8(readFile(data + u"/interactive/three_questions.in"_s)), {});
    records = judgeWith(dataFile(data + u"/interactive/sum_flush.py"_s), {questions}, interactor,
                        &failure);
    ASSERT_EQ(records.size(), 1);
    const CaseResult& talked = records[0].result;
    EXPECT_EQ(talked.verdict.kind, VerdictKind::accepted) << talked.message.toStdString();
    EXPECT_TRUE(talked.output.contains(u"[인터랙터] 40 2\n[풀이] 42\n"_s))
        << talked.output.toStdString();
    EXPECT_GT(talked.peakMemoryKiB, 0);
}

TEST_F(TestRunTest, CancelStopsTheRunningCaseAndRunsNoFurtherOne) {
    ASSERT_TRUE(toolInstalled("python3"));
    QTemporaryDir dir;
    const QString marker = dir.filePath(u"started"_s);
    const QString code = u"import time\nx = input()\nif x == 'hang':\n    open('"_s + marker +
                         u"', 'w').close()\n    time.sleep(60)\nprint(x)\n"_s;
    JudgeRun run(
        FileItem::make(u"h.py"_s, ProgrammingLanguage::python, code),
        {testCase(u"a"_s, u"a"_s), testCase(u"hang"_s, u"hang"_s), testCase(u"c"_s, u"c"_s)},
        unlimited);
    Collected collected(run);
    run.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 30000));
    run.cancel();
    ASSERT_TRUE(collected.finished.wait(10000));

    ASSERT_EQ(collected.records.size(), 2);
    EXPECT_EQ(collected.records[0].result.verdict.kind, VerdictKind::accepted);
    EXPECT_EQ(collected.records[1].result.verdict.kind, VerdictKind::stopped);
    EXPECT_TRUE(run.report().endsWith(
        u"📊 결과: 1/2 통과\n═══════════════════════════════════════════\n"_s));
}

// A stop that came before the first case used to finish with no case at
// all and a report of every test passed.
TEST_F(TestRunTest, ARunStoppedBeforeItsFirstCaseSaysSo) {
    JudgeRun run(FileItem::make(u"e.py"_s, ProgrammingLanguage::python, pythonEcho),
                 {testCase(u"a"_s, u"a"_s), testCase(u"b"_s, u"b"_s)}, unlimited);
    Collected collected(run);
    run.cancel();
    run.start();
    ASSERT_TRUE(collected.finished.wait(10000));

    ASSERT_EQ(collected.records.size(), 1);
    EXPECT_EQ(collected.records[0].result.verdict.kind, VerdictKind::stopped);
    EXPECT_TRUE(run.report().contains(u"📊 결과: 0/1 통과\n"_s)) << run.report().toStdString();
}

TEST_F(TestRunTest, DestroyingARunKillsItsProgram) {
    ASSERT_TRUE(toolInstalled("python3"));
    QTemporaryDir dir;
    const QString pidFile = dir.filePath(u"pid"_s);
    const QString code = u"import os, time\nwith open('"_s + pidFile +
                         u"', 'w') as f:\n    f.write(str(os.getpid()))\ntime.sleep(60)\n"_s;
    auto run =
        std::make_unique<JudgeRun>(FileItem::make(u"s.py"_s, ProgrammingLanguage::python, code),
                                   QList<TestCase>{testCase({}, {})}, unlimited);
    run->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(pidFile).size() > 0; }, 30000));
    const QByteArray programPid = readFile(pidFile);
    run.reset();
    EXPECT_TRUE(becomesDead(programPid));
}

} // namespace
