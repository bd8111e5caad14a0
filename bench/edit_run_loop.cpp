// The edit-run loop: a one-case A+B program, edited before every run (a
// counter in a comment) so the compiled-program cache always misses, run
// through JudgeRun as the window runs it. Prints medians in milliseconds:
//   loop_ms_starter, loop_ms_starter_plain  the default C++ starter's
//                                           includes, with and without the
//                                           precompiled header
//   loop_ms_stdcpp, loop_ms_stdcpp_plain    the same with bits/stdc++.h
//   pch_build_ms_stdcpp                     building that header (background,
//                                           lower priority)
//   loop_ms_java, loop_ms_csharp            for the record
// Usage: edit_run_loop [RUNS] (default 7).
#include "base/app_identity.h"
#include "library/starter_code.h"
#include "runner/judge_run.h"

#include "support/bench_stats.h"
#include "support/run_timing.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
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

double measure(const QString& name, ProgrammingLanguage language, const QString& code, int runs,
               int& edit) {
    runOnce(name, language, code, ++edit);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(runOnce(name, language, code, ++edit));
    return median(times);
}

} // namespace

int main(int argc, char** argv) {
    // A cache of our own, so the first run of a prefix really builds it.
    QTemporaryDir home;
    qputenv("XDG_CACHE_HOME", home.path().toUtf8());
    QCoreApplication app(argc, argv);
    setAppIdentity();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    int edit = 0;

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

    printFigure("loop_ms_java",
                measure(u"Main.java"_s, ProgrammingLanguage::java, uR"(import java.util.*;

public class Main {
    // edit %1
    public static void main(String[] args) {
        Scanner in = new Scanner(System.in);
        System.out.println(in.nextLong() + in.nextLong());
    }
}
)"_s,
                        runs, edit));
    printFigure("loop_ms_csharp",
                measure(u"sum.cs"_s, ProgrammingLanguage::csharp, uR"(using System;

class Program {
    // edit %1
    static void Main() {
        var parts = Console.ReadLine().Split(' ');
        Console.WriteLine(long.Parse(parts[0]) + long.Parse(parts[1]));
    }
}
)"_s,
                        runs, edit));
    return 0;
}
