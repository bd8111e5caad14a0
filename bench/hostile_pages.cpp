// Converts each hostile problem page (fuzz/hostile_inputs.cpp) and prints its
// median conversion time as hostile_<shape>_ms, then the process's peak
// memory as hostile_peak_mb, which is that of the worst shape. Also loads a
// save file of 10,000 files whose 10,000 open-tab ids match none of them
// (load_10k_tabs_ms). Times are the thread's CPU time, so other work on the
// machine does not blur them.

#include "hostile_inputs.h"
#include "problems/page_conversion.h"
#include "workspace/save_file.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int runs = 5;

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

template <typename Work> double medianMilliseconds(Work work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = threadMilliseconds();
        work();
        times.push_back(threadMilliseconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    qsizetype checksum = 0;
    for (const HostileInput& input : hostilePages()) {
        const QString page = QString::fromUtf8(input.bytes);
        const double ms = medianMilliseconds([&] {
            const BaekjoonProblem problem = parseProblemPage(page, QStringLiteral("1"));
            checksum += problem.description.size() + problem.testCases.size();
        });
        out << "hostile_" << input.name << "_ms " << QString::number(ms, 'f', 2) << Qt::endl;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    out << "hostile_peak_mb " << QString::number(double(usage.ru_maxrss) / 1024.0, 'f', 1)
        << Qt::endl;

    const QByteArray workspace = workspaceWithUnmatchedTabs(10000);
    const double loadMs = medianMilliseconds([&] {
        const auto loaded = decodeWorkspace(workspace);
        checksum += std::get<LoadedWorkspace>(loaded).files.size();
    });
    out << "load_10k_tabs_ms " << QString::number(loadMs, 'f', 2) << Qt::endl;
    return checksum > 0 ? 0 : 1;
}
