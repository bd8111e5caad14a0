#include "run_timing.h"

#include "runner/judge_run.h"

#include <QEventLoop>
#include <chrono>
#include <cstdio>
#include <cstdlib>

double timeTestRun(const FileItem& file, const QList<TestCase>& testCases, int timeoutSeconds,
                   const QString& passed, const JudgeOptions& judging) {
    const auto start = std::chrono::steady_clock::now();
    JudgeRun run(file, testCases, RunLimits::fromSettings({.executionTimeout = timeoutSeconds}));
    run.setJudgeOptions(judging);
    QEventLoop loop;
    QObject::connect(&run, &JudgeRun::finished, &loop, &QEventLoop::quit);
    run.start();
    loop.exec();
    const double elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!run.report().contains(passed)) {
        std::fprintf(stderr, "the run failed:\n%s", qPrintable(run.report()));
        std::exit(1);
    }
    return elapsed;
}
