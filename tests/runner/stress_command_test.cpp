#include "runner_test_support.h"
#include "support/printers.h"
#include "support/process_runner.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString stressData = QStringLiteral(CORVANTA_TEST_DATA_DIR "/stress/");

QStringList programs(const QString& solution) {
    return {u"stress"_s, stressData + solution, stressData + u"square_sum.cpp"_s,
            stressData + u"sizes_and_values.cpp"_s};
}

// The counterexample goes after the folder's highest case, beside the
// cases already there, which stay as they were.
TEST(StressCommandTest, CounterexampleIsSavedAsTheNextCase) {
    ASSERT_TRUE(toolInstalled("g++"));
    QTemporaryDir cases;
    writeFile(cases.filePath(u"1.in"_s), "kept");
    writeFile(cases.filePath(u"3.ans"_s), "kept");
    const ProcessOutcome run =
        runCli(programs(u"square_sum_overflow.cpp"_s) +
               QStringList{u"--args"_s, u"[1..10] [1..100000]"_s, u"--seconds"_s, u"120"_s,
                           u"--out"_s, cases.path()});
    EXPECT_EQ(run.exitCode, 1) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(u"❌ 반례: 틀렸습니다 (생성기 인자: "_s))
        << run.out.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << "not a terminal: no progress";
    EXPECT_EQ(readFile(cases.filePath(u"4.in"_s)), "1\n46341\n");
    EXPECT_EQ(readFile(cases.filePath(u"4.ans"_s)), "2147488281\n");
    EXPECT_EQ(readFile(cases.filePath(u"1.in"_s)), "kept");
    EXPECT_EQ(readFile(cases.filePath(u"3.ans"_s)), "kept");
}

TEST(StressCommandTest, CorrectSolutionPassesItsBudget) {
    ASSERT_TRUE(toolInstalled("g++"));
    QTemporaryDir cases;
    const ProcessOutcome run =
        runCli(programs(u"square_sum.cpp"_s) + QStringList{u"--args"_s, u"[1..10] [1..100000]"_s,
                                                           u"--rounds"_s, u"20"_s, u"--out"_s,
                                                           cases.path()});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(u"✅ 차이를 찾지 못했습니다 (라운드 20회"_s))
        << run.out.toStdString();
    EXPECT_TRUE(QDir(cases.path()).isEmpty());
}

TEST(StressCommandTest, BadUsageExitsWithTwoBeforeRunningAnything) {
    const QStringList solution = programs(u"square_sum.cpp"_s);
    const struct {
        QStringList arguments;
        QString problem;
    } cases[] = {
        {solution.first(3), u"expected SOLUTION, BRUTE and GENERATOR"_s},
        {solution + QStringList{u"--args"_s, u"[5..1]"_s}, u"--args: 1번째 글자: 범위의 시작"_s},
        {solution + QStringList{u"--compare"_s, u"fuzzy"_s}, u"unknown comparison \"fuzzy\""_s},
        {solution + QStringList{u"--checker-style"_s, u"package"_s}, u"--checker-style goes"_s},
        {solution + QStringList{u"--compare"_s, u"exact"_s, u"--checker"_s, u"c.cpp"_s},
         u"--compare and --checker exclude"_s},
        {solution + QStringList{u"--rounds"_s, u"0"_s}, u"--rounds needs"_s},
        {solution + QStringList{u"--seconds"_s}, u"--seconds needs a value"_s},
        {solution + QStringList{u"--memory"_s, u"-1"_s}, u"--memory needs"_s},
        {QStringList{u"stress"_s, u"missing.cpp"_s} + solution.sliced(2), u"missing.cpp: "_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ProcessOutcome run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(u"corvanta-cli stress: "_s + c.problem))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
