#include "runner/program_run.h"
#include "runner_test_support.h"
#include "support/printers.h"

#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

using Status = ProgramRun::Status;
using Clock = ProgramRun::Clock;

const QString helper = QStringLiteral(RUNNER_HELPER_PATH);

struct Timed {
    ProgramRun::Outcome outcome;
    double seconds = 0;
};

using Steps = std::vector<const char*>;

Timed runHelper(const Steps& steps, int timeLimit = 0, const QString& inputFile = {},
                const StopSignal* stop = nullptr,
                const std::optional<ResourceLimits>& measured = std::nullopt) {
    QStringList arguments;
    for (const char* step : steps)
        arguments.append(QString::fromUtf8(step));
    ProgramRun run(helper, arguments);
    run.setTimeLimit(std::chrono::seconds(timeLimit));
    run.setInputFile(inputFile);
    run.setStopSignal(stop);
    if (measured)
        run.setMeasured(*measured);
    const auto start = Clock::now();
    Timed timed{run.run(), 0};
    timed.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return timed;
}

QString writeInput(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath(QStringLiteral("input.txt"));
    writeFile(path, content);
    return path;
}

TEST(ProgramRunTest, ReportsHowTheProgramEnded) {
    struct Case {
        const char* name;
        Steps steps;
        int exitCode;
        int crashSignal;
        QByteArray standardOutput;
        QByteArray standardError = {};
    };
    const Case cases[] = {
        {"clean exit", {"out", "fine"}, 0, 0, "fine"},
        {"exit code, both streams", {"out", "hi", "err", "oops", "exit", "3"}, 3, 0, "hi", "oops"},
        {"crash keeps what was printed", {"out", "partial", "crash"}, 0, SIGABRT, "partial"},
    };
    // Through the exec helper it is still the program's own ending.
    for (const bool measured : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (measured ? ", measured" : ""));
            const ProgramRun::Outcome outcome =
                runHelper(c.steps, 0, {}, nullptr,
                          measured ? std::optional(ResourceLimits{}) : std::nullopt)
                    .outcome;
            EXPECT_EQ(outcome.usage.has_value(), measured);
            EXPECT_EQ(outcome.status, Status::finished);
            EXPECT_EQ(outcome.exitCode, c.exitCode);
            EXPECT_EQ(outcome.crashSignal, c.crashSignal);
            EXPECT_EQ(outcome.standardOutput, c.standardOutput);
            EXPECT_EQ(outcome.standardError, c.standardError);
            EXPECT_EQ(outcome.exitedCleanly(), c.exitCode == 0 && c.crashSignal == 0);
        }
    }
}

TEST(ProgramRunTest, InputFileIsStandardInputAndNeedNotBeRead) {
    QTemporaryDir dir;
    EXPECT_EQ(runHelper({"echo"}, 0, writeInput(dir, "1 2\n")).outcome.standardOutput, "1 2\n");

    // Far more than a pipe holds: a program that ignores it must still end.
    const Timed ignored = runHelper({"out", "done"}, 5, writeInput(dir, QByteArray(8 << 20, 'i')));
    EXPECT_EQ(ignored.outcome.status, Status::finished);
    EXPECT_EQ(ignored.outcome.standardOutput, "done");
}

TEST(ProgramRunTest, TimeLimitTerminatesThenKills) {
    struct Case {
        const char* name;
        Steps steps;
        bool callerIgnoresTerm;
        double minSeconds;
        double maxSeconds;
        bool measured = false;
    };
    const Case cases[] = {
        {"stops on SIGTERM", {"hang"}, false, 1.0, 1.9},
        {"killed a second after ignoring SIGTERM", {"ignore-term", "hang"}, false, 2.0, 2.9},
        // Ignored signals are inherited through exec unless reset.
        {"SIGTERM works although the caller ignores it", {"hang"}, true, 1.0, 1.9},
        // The exec helper outlives the request to report what the program used.
        {"measured", {"hang"}, false, 1.0, 1.9, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto previous = std::signal(SIGTERM, c.callerIgnoresTerm ? SIG_IGN : SIG_DFL);
        const Timed timed = runHelper(c.steps, 1, {}, nullptr,
                                      c.measured ? std::optional(ResourceLimits{}) : std::nullopt);
        std::signal(SIGTERM, previous);
        EXPECT_EQ(timed.outcome.status, Status::timedOut);
        EXPECT_EQ(timed.outcome.usage.has_value(), c.measured);
        EXPECT_GE(timed.seconds, c.minSeconds);
        EXPECT_LT(timed.seconds, c.maxSeconds);
    }
}

TEST(ProgramRunTest, ChildHoldingOutputOpenNeitherHangsTheRunNorOutlivesIt) {
    const Timed timed = runHelper({"fork-sleeper", "out", "parent"});
    ASSERT_EQ(timed.outcome.status, Status::finished);
    EXPECT_LT(timed.seconds, 10);
    const QList<QByteArray> lines = timed.outcome.standardOutput.split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1], "parent");
    EXPECT_TRUE(becomesDead(lines[0])) << "the sleeping child was left running";
}

TEST(ProgramRunTest, OutputIsCollectedWhileRunningUpToTheLimit) {
    const ProgramRun::Outcome large = runHelper({"flood", "out", "10000000"}).outcome;
    EXPECT_EQ(large.status, Status::finished);
    EXPECT_EQ(large.standardOutput.size(), 10000000);

    for (const char* stream : {"out", "err"}) {
        SCOPED_TRACE(stream);
        const ProgramRun::Outcome endless = runHelper({"flood", stream, "-1"}).outcome;
        EXPECT_EQ(endless.status, Status::outputLimitExceeded);
        EXPECT_LE(endless.standardOutput.size(), ProgramRun::outputLimit);
        EXPECT_LE(endless.standardError.size(), ProgramRun::outputLimit);
    }
}

TEST(ProgramRunTest, StopRequestKillsAtOnce) {
    StopSignal stop;
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        stop.stop();
    });
    const Timed timed = runHelper({"ignore-term", "hang"}, 0, {}, &stop);
    stopper.join();
    EXPECT_EQ(timed.outcome.status, Status::stopped);
    EXPECT_LT(timed.seconds, 1.0);

    // Already stopped: nothing is started.
    const Timed again = runHelper({"out", "started"}, 0, {}, &stop);
    EXPECT_EQ(again.outcome.status, Status::stopped);
    EXPECT_TRUE(again.outcome.standardOutput.isEmpty());
}

// A parent that touched 300 MB passes its high-water mark to a child it forks,
// through exec: the exec helper keeps it from the program's own figure.
TEST(ProgramRunTest, MeasuredPeakIsTheProgramsOwnAndTheMemoryLimitKills) {
    const std::vector<char> ballast(size_t(300) << 20, 1);
    const ProgramRun::Outcome small =
        runHelper({"out", "hi"}, 0, {}, nullptr, ResourceLimits{}).outcome;
    ASSERT_TRUE(small.usage);
    EXPECT_GT(small.usage->peakMemoryKiB, 0);
    EXPECT_LT(small.usage->peakMemoryKiB, 10 * 1024);
    EXPECT_EQ(ballast.back(), 1);

    ResourceLimits limits;
    limits.memoryKiB = 32 * 1024;
    const ProgramRun::Outcome large =
        runHelper({"alloc", "64", "hang"}, 0, {}, nullptr, limits).outcome;
    EXPECT_EQ(large.status, Status::memoryLimitExceeded);
    ASSERT_TRUE(large.usage);
    EXPECT_GT(large.usage->peakMemoryKiB, 32 * 1024);
}

TEST(ProgramRunTest, FailureToStartCarriesTheSystemsReason) {
    for (const bool measured : {false, true}) {
        ProgramRun missingProgram(QStringLiteral("/nonexistent/program"), {});
        if (measured)
            missingProgram.setMeasured({});
        const ProgramRun::Outcome outcome = missingProgram.run();
        EXPECT_EQ(outcome.status, Status::failedToStart) << measured;
        EXPECT_EQ(outcome.errorDescription, QStringLiteral("No such file or directory"));
    }

    const ProgramRun::Outcome missingInput =
        runHelper({"echo"}, 0, QStringLiteral("/nonexistent/input.txt")).outcome;
    EXPECT_EQ(missingInput.status, Status::failedToStart);
    EXPECT_FALSE(missingInput.errorDescription.isEmpty());
}

} // namespace
