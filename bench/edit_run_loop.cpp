// The edit-run loop: a one-case A+B program, edited before every run (a
// counter in a comment) so the compiled-program cache always misses, run
// through JudgeRun as the window runs it. Prints medians in milliseconds:
//   loop_ms_starter, loop_ms_starter_plain  the default C++ starter's
//                                           includes, with and without the
//                                           precompiled header
//   loop_ms_stdcpp, loop_ms_stdcpp_plain    the same with bits/stdc++.h
//   pch_build_ms_stdcpp                     building that header (background,
//                                           lower priority)
//   loop_ms_java, loop_ms_java_plain        Java through the warm compile
//   loop_ms_csharp, loop_ms_csharp_plain    server, and with the plain compiler
//   java_server_mb, csharp_server_mb        the servers' resident memory after
//                                           the runs
//   java_start_ms, java_start_ms_plain      one run of a compiled Java program,
//                                           with and without the class archive
//                                           (medians of 4 x RUNS)
// Usage: edit_run_loop [RUNS] [cpp|java|csharp...] (default 7 runs of all).
#include "base/app_identity.h"
#include "library/starter_code.h"
#include "runner/code_runner.h"
#include "runner/compile_servers.h"
#include "runner/java_class_sharing.h"
#include "runner/judge_run.h"
#include "runner/precompiled_headers.h"

#include "support/bench_stats.h"
#include "support/run_timing.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void setHeaders(bool enabled) {
    if (enabled)
        qunsetenv("CORVANTA_PCH");
    else
        qputenv("CORVANTA_PCH", "off");
}

// One edited run; the source is `code` with `edit` substituted for %1.
double runOnce(const QString& name, ProgrammingLanguage language, const QString& code, int edit) {
    const FileItem file = FileItem::make(name, language, code.arg(edit));
    TestCase sum;
    sum.input = u"40 2\n"_s;
    sum.expectedOutput = u"42\n"_s;
    return timeTestRun(file, {sum}, 10, u"1/1 통과"_s);
}

void waitForBuilds() {
    const PrecompiledHeaders headers = PrecompiledHeaders::standard();
    while (headers.isBuilding())
        QThread::msleep(20);
}

// The plain and the precompiled runs take turns, so a change of load on the
// machine falls on both alike.
void measureCpp(const char* name, const char* plainName, const QString& code, int runs, int& edit) {
    setHeaders(true);
    runOnce(u"sum.cpp"_s, ProgrammingLanguage::cpp, code, ++edit);
    waitForBuilds();
    std::vector<double> with, without;
    for (int i = 0; i < runs; ++i) {
        setHeaders(true);
        with.push_back(runOnce(u"sum.cpp"_s, ProgrammingLanguage::cpp, code, ++edit));
        setHeaders(false);
        without.push_back(runOnce(u"sum.cpp"_s, ProgrammingLanguage::cpp, code, ++edit));
    }
    printFigure(name, median(with));
    printFigure(plainName, median(without));
}

void setResident(bool enabled) {
    if (enabled)
        qunsetenv("CORVANTA_RESIDENT");
    else
        qputenv("CORVANTA_RESIDENT", "off");
}

double residentMegabytes(qint64 pid) {
    QFile status(u"/proc/"_s + QString::number(pid) + u"/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression rss(u"VmRSS:\\s*(\\d+) kB"_s);
    return rss.match(QString::fromLatin1(status.readAll())).captured(1).toDouble() / 1024;
}

// Waits for the server, then for its warm-up through one run. The resident
// and the plain runs take turns, as above.
void measureResident(const char* name, const char* plainName, const char* memoryName,
                     const QString& fileName, ProgrammingLanguage language, const QString& code,
                     int runs, int& edit) {
    setResident(true);
    CompileServers::session().start(language, ResidentCompiler::Priority::normal);
    const ResidentCompiler* server = CompileServers::session().server(language);
    const auto deadline = Clock::now() + std::chrono::minutes(3);
    while (server->processId() == 0 && Clock::now() < deadline)
        QThread::msleep(20);
    runOnce(fileName, language, code, ++edit);
    const qint64 warm = server->processId();
    std::vector<double> with, without;
    for (int i = 0; i < runs; ++i) {
        setResident(true);
        with.push_back(runOnce(fileName, language, code, ++edit));
        setResident(false);
        without.push_back(runOnce(fileName, language, code, ++edit));
    }
    setResident(true);
    // A server that failed a compile was replaced, and the plain compiler
    // stood in: such a figure would mean nothing.
    if (warm == 0 || server->processId() != warm) {
        std::fprintf(stderr, "the %s server did not serve every run\n", name);
        std::exit(1);
    }
    printFigure(name, median(with));
    printFigure(plainName, median(without));
    printFigure(memoryName, residentMegabytes(server->processId()));
}

// One compiled program started again and again, with the archive the Java
// server made and without, taking turns. A start saves tens of milliseconds
// in a few hundred, so it takes more runs than a loop to show.
void measureJavaStarts(const QString& code, int runs) {
    setResident(true);
    const auto deadline = Clock::now() + std::chrono::minutes(3);
    while (JavaClassSharing::standard().runFlags().isEmpty() && Clock::now() < deadline)
        QThread::msleep(50);
    PreparedProgram shared = PreparedProgram::prepare(code.arg(0), ProgrammingLanguage::java);
    setResident(false);
    PreparedProgram plain = PreparedProgram::prepare(code.arg(0), ProgrammingLanguage::java);
    setResident(true);
    const RunLimits limits{.timeLimitMs = 10000, .timeoutSeconds = 10};
    std::vector<double> with, without;
    for (int i = 0; i < 4 * runs; ++i) {
        with.push_back(shared.execute(u"40 2\n"_s, limits).wallMs);
        without.push_back(plain.execute(u"40 2\n"_s, limits).wallMs);
    }
    printFigure("java_start_ms", median(with));
    printFigure("java_start_ms_plain", median(without));
}

void measureCppLoops(int runs, int& edit) {
    const QString sumMain = u"\n// edit %1\nint main() {\n    long long a, b;\n    cin >> a >> b;\n"
                            u"    cout << a + b << '\\n';\n}\n"_s;
    QString starter = corvanta::registeredDefaultTemplate(ProgrammingLanguage::cpp);
    starter.truncate(starter.indexOf(u"int main()"_s));
    measureCpp("loop_ms_starter", "loop_ms_starter_plain", starter + sumMain, runs, edit);

    const QString stdcpp = u"#include <bits/stdc++.h>\nusing namespace std;\n"_s + sumMain;
    setHeaders(true);
    const auto buildStart = Clock::now();
    PrecompiledHeaders::standard().find(stdcpp, {}, u"g++"_s,
                                        {u"-std=c++17"_s, u"-O2"_s, u"-Wall"_s, u"-Wextra"_s});
    waitForBuilds();
    printFigure("pch_build_ms_stdcpp", millisecondsSince(buildStart));
    measureCpp("loop_ms_stdcpp", "loop_ms_stdcpp_plain", stdcpp, runs, edit);
}

void measureJavaLoops(int runs, int& edit) {
    const QString javaSum = uR"(import java.util.*;

public class Main {
    // edit %1
    public static void main(String[] args) {
        Scanner in = new Scanner(System.in);
        System.out.println(in.nextLong() + in.nextLong());
    }
}
)"_s;
    measureResident("loop_ms_java", "loop_ms_java_plain", "java_server_mb", u"Main.java"_s,
                    ProgrammingLanguage::java, javaSum, runs, edit);
    measureJavaStarts(javaSum, runs);
}

void measureCSharpLoops(int runs, int& edit) {
    measureResident("loop_ms_csharp", "loop_ms_csharp_plain", "csharp_server_mb", u"sum.cs"_s,
                    ProgrammingLanguage::csharp, uR"(using System;

class Program {
    // edit %1
    static void Main() {
        var parts = Console.ReadLine().Split(' ');
        Console.WriteLine(long.Parse(parts[0]) + long.Parse(parts[1]));
    }
}
)"_s,
                    runs, edit);
}

} // namespace

int main(int argc, char** argv) {
    // A cache of our own, so the first run of a prefix really builds it.
    QTemporaryDir home;
    qputenv("XDG_CACHE_HOME", home.path().toUtf8());
    QCoreApplication app(argc, argv);
    setAppIdentity();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const QStringList only = app.arguments().mid(2);
    const auto wanted = [&only](const QString& part) {
        return only.isEmpty() || only.contains(part);
    };
    int edit = 0;

    if (wanted(u"cpp"_s))
        measureCppLoops(runs, edit);
    if (wanted(u"java"_s))
        measureJavaLoops(runs, edit);
    if (wanted(u"csharp"_s))
        measureCSharpLoops(runs, edit);
    return 0;
}
