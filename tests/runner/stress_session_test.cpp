#include "runner/stress_session.h"
#include "runner_test_support.h"
#include "support/printers.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

StressSource python(const QByteArray& code) {
    return {QString::fromUtf8(code), ProgrammingLanguage::python, u"inline.py"_s};
}

StressResult runToEnd(StressSession& session) {
    QSignalSpy finished(&session, &StressSession::finished);
    session.start();
    EXPECT_TRUE(finished.wait(300000));
    return finished.value(0).value(0).value<StressResult>();
}

TEST(StressPatternTest, RangesAreDrawnPerSeedAndBadPatternsSayWhere) {
    QString error;
    const std::optional<StressPattern> pattern =
        StressPattern::parse(u" 10  [1..3] n=[-5..-5]x [ 0 .. 9223372036854775807 ] "_s, &error);
    ASSERT_TRUE(pattern) << error.toStdString();
    for (quint64 seed = 1; seed <= 20; ++seed) {
        const QList<qint64> values = pattern->draw(seed);
        EXPECT_EQ(values, pattern->draw(seed));
        ASSERT_EQ(values.size(), 3);
        EXPECT_TRUE(values[0] >= 1 && values[0] <= 3);
        EXPECT_EQ(pattern->arguments(values),
                  (QStringList{u"10"_s, QString::number(values[0]), u"n=-5x"_s,
                               QString::number(values[2])}));
    }
    EXPECT_TRUE(StressPattern::parse(u""_s, &error)->arguments({}).isEmpty());

    const struct {
        QString pattern;
        QString error;
    } bad[] = {
        {u"10 [1..5"_s, u"4번째 글자: [에 짝이"_s},
        {u"[1..[2..3]]"_s, u"1번째 글자: [에 짝이"_s},
        {u"a]"_s, u"2번째 글자: 여는 [ 없이"_s},
        {u"[1-5]"_s, u"1번째 글자: 범위는"_s},
        {u"[1..x]"_s, u"64비트 정수"_s},
        {u"[1..9223372036854775808]"_s, u"64비트 정수"_s},
        {u"x [5..1]"_s, u"3번째 글자: 범위의 시작이 끝보다 큽니다: [5..1]"_s},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(c.pattern.toStdString());
        error.clear();
        EXPECT_FALSE(StressPattern::parse(c.pattern, &error));
        EXPECT_TRUE(error.contains(c.error)) << error.toStdString();
    }
}

TEST(StressSessionTest, OtherProgramsFailuresAreReportedAsTheirs) {
    ASSERT_TRUE(toolInstalled("python3"));
    const StressSource echo = python("print(input())\n");
    const struct {
        const char* name;
        StressSource bruteForce, generator;
        StressRole culprit;
        QStringList message;
    } cases[] = {
        {"generator crashes",
         echo,
         python("import sys\nprint(sys.argv[1])\nraise RuntimeError('generator broke')\n"),
         StressRole::generator,
         {u"생성기: 런타임 에러 (종료 코드 1)\n"_s, u"RuntimeError: generator broke"_s}},
        {"brute force fails",
         python("import sys\nprint('brute broke', file=sys.stderr)\nsys.exit(4)\n"),
         python("import sys\nprint(sys.argv[1])\n"),
         StressRole::bruteForce,
         {u"브루트포스: 런타임 에러 (종료 코드 4)\nbrute broke"_s}},
        {"generator does not compile",
         echo,
         {u"int main() { return }"_s, ProgrammingLanguage::cpp, u"gen.cpp"_s},
         StressRole::generator,
         {u"생성기: 🔴 컴파일 에러:\n"_s, u"gen.cpp:1:"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StressSetup setup;
        setup.sources.solution = echo;
        setup.sources.bruteForce = c.bruteForce;
        setup.sources.generator = c.generator;
        setup.budget.rounds = 50;
        StressSession session(setup);
        const StressResult result = runToEnd(session);
        ASSERT_EQ(result.outcome, StressResult::Outcome::programFailed);
        EXPECT_EQ(result.smallest.culprit, c.culprit);
        for (const QString& part : c.message)
            EXPECT_TRUE(result.smallest.message.contains(part))
                << result.smallest.message.toStdString();
    }
}

// Only the solution is held to the problem's limits, as a judge holds it; a
// brute force as slow or as hungry passes. Time limits below a second hold.
TEST(StressSessionTest, TheSolutionAloneIsHeldToTheLimits) {
    ASSERT_TRUE(toolInstalled("python3"));
    const struct {
        const char* name;
        QByteArray program;
        RunLimits limits;
        StressRound::Failure failure;
        QString message;
    } cases[] = {
        {"memory",
         "data = b'1' * (96 << 20)\nprint(input())\n",
         {.timeLimitMs = 5000, .memoryLimitKiB = 64 * 1024, .timeoutSeconds = 5},
         StressRound::Failure::memoryLimit,
         u"메모리 초과 (제한 65536KB)"_s},
        {"time below a second",
         "import time\nend = time.process_time() + 0.8\n"
         "while time.process_time() < end: pass\nprint(input())\n",
         {.timeLimitMs = 300, .memoryLimitKiB = 256 * 1024, .timeoutSeconds = 5},
         StressRound::Failure::timeLimit,
         u"시간 초과 (제한 300ms)"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StressSetup setup;
        setup.sources.solution = python(c.program);
        setup.sources.bruteForce = python(c.program);
        setup.sources.generator = python("print(1)\n");
        setup.limits = c.limits;
        setup.budget = {.rounds = 2, .shrinkSeconds = 0};
        StressSession session(setup);
        const StressResult result = runToEnd(session);
        ASSERT_EQ(result.outcome, StressResult::Outcome::counterexample);
        EXPECT_EQ(result.smallest.failure, c.failure);
        EXPECT_TRUE(result.smallest.message.startsWith(c.message))
            << result.smallest.message.toStdString();
    }
}

// The generator ignores its seed and its argument: the shrink meets the
// failing input again and again, and must not run the solution on it again.
TEST(StressSessionTest, ShrinkJudgesAnInputOnce) {
    ASSERT_TRUE(toolInstalled("python3"));
    QTemporaryDir folder;
    const QString runs = folder.filePath(u"runs"_s);
    StressSetup setup;
    setup.sources.solution = python("with open('" + runs.toUtf8() +
                                    "', 'a') as f:\n"
                                    "    print(1, file=f)\n"
                                    "print(0)\n");
    setup.sources.bruteForce = python("print(1)\n");
    setup.sources.generator = python("print(7)\n");
    QString error;
    setup.pattern = *StressPattern::parse(u"[1..1000]"_s, &error);
    setup.workers = 1;
    StressSession session(setup);
    const StressResult result = runToEnd(session);
    ASSERT_EQ(result.outcome, StressResult::Outcome::counterexample);
    EXPECT_EQ(result.smallest.input, "7\n");
    EXPECT_EQ(result.progress.rounds, 1u) << "the round that found it counts";
    EXPECT_EQ(result.progress.shrinkRounds, 0u);
    EXPECT_EQ(readFile(runs), "1\n");
}

// Alive means in the process group and not yet a zombie.
bool groupIsGone(int group) {
    for (const QString& entry : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        const QByteArray stat = readFile(u"/proc/"_s + entry + u"/stat"_s);
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(") ") + 2).split(' ');
        if (fields.size() > 2 && fields[2].toInt() == group && fields[0] != "Z")
            return false;
    }
    return true;
}

// Each solution writes its pid and leaves a child in its group; stop must
// take both, on every worker.
TEST(StressSessionTest, StopEndsEveryProgramGroupAtOnce) {
    ASSERT_TRUE(toolInstalled("python3"));
    QTemporaryDir folder;
    const QString pids = folder.filePath(u"pids"_s);
    StressSetup setup;
    setup.sources.solution = python("import os, time\n"
                                    "if os.fork() == 0:\n"
                                    "    time.sleep(60)\n"
                                    "with open('" +
                                    pids.toUtf8() +
                                    "', 'a') as f:\n"
                                    "    print(os.getpid(), file=f)\n"
                                    "time.sleep(60)\n");
    setup.sources.bruteForce = python("print(1)\n");
    setup.sources.generator = python("print(1)\n");
    setup.limits = {.timeLimitMs = 0, .memoryLimitKiB = 0, .timeoutSeconds = 0};
    setup.workers = 2;
    StressSession session(setup);
    QSignalSpy finished(&session, &StressSession::finished);
    session.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return readFile(pids).count('\n') == 2; }, 120000));
    session.stop();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.value(0).value(0).value<StressResult>().outcome,
              StressResult::Outcome::stopped);
    for (const QByteArray& pid : readFile(pids).trimmed().split('\n'))
        EXPECT_TRUE(QTest::qWaitFor([&] { return groupIsGone(pid.toInt()); }, 2000)) << pid.data();
}

} // namespace
