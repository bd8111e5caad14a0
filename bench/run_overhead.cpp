// What a test run costs beyond the work itself, for a C++ A+B solution with
// 10 test cases. Prints medians in milliseconds:
//   run_ms               the test run end to end, compile cache empty
//   warm_run_ms          the same run again, source unchanged
//   direct_ms            one g++ compile plus the 10 executions, by hand
//   direct_exec_ms       the 10 executions alone
//   per_case_compile_ms  compiling anew for every case, as a naive runner does
//   memory_overhead_ms_per_case  what starting a case through the exec helper
//                        (limits, peak memory, CPU time) adds to starting it directly
//   memory_overhead_cpu_ms_per_case  the same in CPU time, which a loaded
//                        machine's scheduling does not inflate
// Usage: run_overhead [REPETITIONS] (default 5).
#include "base/app_identity.h"
#include "runner/code_runner.h"
#include "runner/judge_run.h"

#include "support/bench_stats.h"
#include "support/run_timing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int caseCount = 10;

const QString source = uR"(#include <iostream>

int main() {
    long long a, b;
    std::cin >> a >> b;
    std::cout << a + b << '\n';
}
)"_s;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The plainest way to run a program: spawn, read its output to the end, wait.
QByteArray spawnAndWait(const std::vector<QByteArray>& command, const QString& inputFile = {}) {
    std::vector<char*> argv;
    for (const QByteArray& argument : command)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0)
        std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    if (!inputFile.isEmpty())
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO,
                                         QFile::encodeName(inputFile).constData(), O_RDONLY, 0);
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        std::abort();
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    QByteArray text;
    char buffer[4096];
    ssize_t count;
    while ((count = ::read(output[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, count);
    ::close(output[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return text;
}

double runTestRun(const FileItem& file, const QList<TestCase>& testCases) {
    return timeTestRun(file, testCases, 5, u"10/10 통과"_s);
}

// CPU time of every finished child process so far, in milliseconds.
double childrenCpuMs() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Cost {
    double wallMs;
    double cpuMs;
};

// One execution of the compiled program through ProgramRun, measured or not.
Cost timeExecution(const QString& program, const QString& inputFile, bool measured) {
    const auto start = Clock::now();
    const double cpuBefore = childrenCpuMs();
    ProgramRun run(program, {});
    run.setInputFile(inputFile);
    if (measured)
        run.setMeasured(ResourceLimits{qint64(256) * 1024, 0, qint64(256) * 1024, {}});
    if (!run.run().exitedCleanly())
        std::abort();
    return {millisecondsSince(start), childrenCpuMs() - cpuBefore};
}

} // namespace

int main(int argc, char** argv) {
    // A cache of our own, so "cold" means cold and the user's stays untouched.
    QTemporaryDir home;
    qputenv("XDG_CACHE_HOME", home.path().toUtf8());
    // Precompiled headers have a benchmark of their own (edit_run_loop).
    qputenv("CORVANTA_PCH", "off");
    QCoreApplication app(argc, argv);
    setAppIdentity();
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    const FileItem file = FileItem::make(u"sum.cpp"_s, ProgrammingLanguage::cpp, source);
    QList<TestCase> testCases;
    QStringList inputFiles;
    for (int i = 0; i < caseCount; ++i) {
        TestCase testCase;
        testCase.input = QString::number(i) + u' ' + QString::number(i * 7) + u'\n';
        testCase.expectedOutput = QString::number(i * 8) + u'\n';
        testCases.append(testCase);
        inputFiles.append(home.filePath(u"input"_s + QString::number(i) + u".txt"_s));
        QFile input(inputFiles.last());
        if (!input.open(QIODevice::WriteOnly))
            return 1;
        input.write(testCase.input.toUtf8());
    }
    QFile sourceFile(home.filePath(u"direct.cpp"_s));
    if (!sourceFile.open(QIODevice::WriteOnly))
        return 1;
    sourceFile.write(source.toUtf8());
    sourceFile.close();
    const QByteArray program = QFile::encodeName(home.filePath(u"direct"_s));
    const std::vector<QByteArray> compile = {
        "/usr/bin/g++", "-std=c++17", "-O2",
        "-Wall",        "-Wextra",    QFile::encodeName(sourceFile.fileName()),
        "-o",           program};

    // Headers and compiler into the page cache before anything is timed.
    spawnAndWait(compile);

    std::vector<double> run, warmRun, direct, directExec, perCaseCompile, memoryOverhead,
        memoryOverheadCpu;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        QDir(CompileCache::standard().folder()).removeRecursively();
        run.push_back(runTestRun(file, testCases));
        warmRun.push_back(runTestRun(file, testCases));

        const auto directStart = Clock::now();
        spawnAndWait(compile);
        const auto execStart = Clock::now();
        for (const QString& input : inputFiles)
            spawnAndWait({program}, input);
        directExec.push_back(millisecondsSince(execStart));
        direct.push_back(millisecondsSince(directStart));

        const auto perCaseStart = Clock::now();
        for (const TestCase& testCase : testCases) {
            PreparedProgram fresh = PreparedProgram::prepare(source, ProgrammingLanguage::cpp,
                                                             PrepareOptions::withoutCaches());
            fresh.execute(testCase.input, RunLimits{});
        }
        perCaseCompile.push_back(millisecondsSince(perCaseStart));

        // Side by side, case by case, so that the machine's load falls on both.
        for (const QString& input : inputFiles) {
            const Cost plain = timeExecution(QFile::decodeName(program), input, false);
            const Cost measured = timeExecution(QFile::decodeName(program), input, true);
            memoryOverhead.push_back(measured.wallMs - plain.wallMs);
            memoryOverheadCpu.push_back(measured.cpuMs - plain.cpuMs);
        }
    }

    printFigure("run_ms", median(run));
    printFigure("direct_ms", median(direct));
    printFigure("per_case_compile_ms", median(perCaseCompile));
    printFigure("warm_run_ms", median(warmRun));
    printFigure("direct_exec_ms", median(directExec));
    printFigure("memory_overhead_ms_per_case", median(memoryOverhead));
    printFigure("memory_overhead_cpu_ms_per_case", median(memoryOverheadCpu));
    return 0;
}
