// What a checker program and the comparison modes cost. Prints:
//   checker_prepare_ms            preparing a trivial C++ checker, compile cache empty
//   checker_overhead_ms_per_case  median of one check: files written, checker run, result read
//   checker_process_ms_per_case   median of starting the same checker program alone
//   judge_checker_overhead_ms_per_case  what judging by that checker adds to each
//                                 case of a test run (20 cases, caches warm), median
//                                 of runs with it against runs without, alternating
//   compare_MODE_mib_per_s        each comparison mode over a 64 MiB output that
//                                 matches, by processor time (the float answer
//                                 spells every fraction differently, so each is parsed)
// Usage: checker [CASES] (default 50).
#include "runner/checker.h"
#include "base/app_identity.h"
#include "runner/comparison.h"

#include "support/bench_stats.h"
#include "support/run_timing.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

constexpr qsizetype outputBytes = qsizetype(64) << 20;
constexpr int comparisonRepetitions = 3;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// This thread's processor time: the comparisons are pure work, and on a
// shared machine the wall clock mostly measures the neighbours.
double processorMilliseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Lines "INDEX 0.DIGITS" up to `bytes`, and the same numbers with a trailing
// zero after each fraction.
std::pair<QByteArray, QByteArray> numbers(qsizetype bytes) {
    QByteArray plain;
    QByteArray padded;
    plain.reserve(bytes + 64);
    padded.reserve(bytes + bytes / 8);
    for (int i = 0; plain.size() < bytes; ++i) {
        const QByteArray line =
            QByteArray::number(i) + " 0." + QByteArray::number(1000003 * qint64(i) % 999983);
        plain += line + '\n';
        padded += line + "0\n";
    }
    return {plain, padded};
}

void measureComparisons() {
    const auto [output, padded] = numbers(outputBytes);
    const QByteArray same(output.constData(), output.size());
    const double mebibytes = double(output.size()) / (1 << 20);
    for (const char* name : {"exact", "lines", "tokens", "float"}) {
        const ComparisonMode mode = *ComparisonMode::fromName(QString::fromUtf8(name));
        const QByteArray& expected = mode.kind == ComparisonMode::Kind::floating ? padded : same;
        std::vector<double> times;
        for (int i = 0; i < comparisonRepetitions; ++i) {
            const double start = processorMilliseconds();
            if (compareOutputs(mode, output, expected).verdict != CheckResult::Verdict::accepted)
                std::abort();
            times.push_back(processorMilliseconds() - start);
        }
        const QByteArray figure = "compare_" + QByteArray(name) + "_mib_per_s";
        printFigure(figure.constData(), mebibytes / (median(times) / 1000));
    }
}

// A test run judged by the trivial checker against the same run compared
// as lines, per case.
void measureJudgeRuns(int repetitions) {
    constexpr int caseCount = 20;
    const FileItem echo = FileItem::make(
        u"echo.cpp"_s, ProgrammingLanguage::cpp,
        u"#include <iostream>\nint main() { int n; std::cin >> n; std::cout << n << '\\n'; }\n"_s);
    QList<TestCase> testCases;
    for (int i = 0; i < caseCount; ++i) {
        TestCase testCase;
        testCase.input = QString::number(i);
        testCase.expectedOutput = QString::number(i);
        testCases.append(testCase);
    }
    JudgeOptions checked;
    checked.checker =
        FileItem::make(u"check.cpp"_s, ProgrammingLanguage::cpp, u"int main() { return 0; }\n"_s);
    const QString passed = u"20/20 통과"_s;
    // Both compiled once before anything is timed.
    timeTestRun(echo, testCases, 10, passed, checked);
    std::vector<double> plain;
    std::vector<double> withChecker;
    for (int i = 0; i < repetitions; ++i) {
        plain.push_back(timeTestRun(echo, testCases, 10, passed));
        withChecker.push_back(timeTestRun(echo, testCases, 10, passed, checked));
    }
    printFigure("judge_checker_overhead_ms_per_case",
                (median(withChecker) - median(plain)) / caseCount);
}

} // namespace

int main(int argc, char** argv) {
    // A cache of our own, so the first compile is a compile.
    QTemporaryDir home;
    qputenv("XDG_CACHE_HOME", home.path().toUtf8());
    QCoreApplication app(argc, argv);
    setAppIdentity();
    const int cases = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    const Clock::time_point prepareStart = Clock::now();
    const Checker checker = Checker::prepare(u"int main() { return 0; }\n"_s,
                                             ProgrammingLanguage::cpp, CheckerStyle::testlib);
    printFigure("checker_prepare_ms", millisecondsSince(prepareStart));

    // The same program alone, with nothing written or read around it; the
    // two alternate so both see the same load.
    const PreparedProgram program =
        PreparedProgram::prepare(u"int main() { return 0; }\n"_s, ProgrammingLanguage::cpp);
    const QByteArray input = "3\n1 2 3\n";
    const QByteArray output = "6\n";
    std::vector<double> checks;
    std::vector<double> runs;
    for (int i = 0; i < cases; ++i) {
        Clock::time_point start = Clock::now();
        if (checker.check(input, output, output, 10).verdict != CheckResult::Verdict::accepted)
            std::abort();
        checks.push_back(millisecondsSince(start));
        start = Clock::now();
        ProgramRun run(program.program(), program.arguments());
        if (!run.run().exitedCleanly())
            std::abort();
        runs.push_back(millisecondsSince(start));
    }
    printFigure("checker_overhead_ms_per_case", median(checks));
    printFigure("checker_process_ms_per_case", median(runs));

    measureJudgeRuns(std::max(3, cases / 10));
    measureComparisons();
    return 0;
}
