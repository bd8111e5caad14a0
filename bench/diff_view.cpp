// The cost of showing where a case's output went wrong. *_cpu_ms: the
// measuring thread's CPU time, which a busy machine does not inflate.
// Medians of 21 (64 MiB: 5).
//
// diff_ms_10k_lines: diffing two 10,000-line outputs that differ in 10 places.
// diff_ms_64mib: the UI thread's time to show a 64 MiB expected output against
// a 64 MiB actual one (4 Mi lines, 10 differences spread through them) in the
// diff view, from setting the pair until it is laid out and painted; the
// comparison itself runs on the view's worker, diff_64mib_ready_ms is the
// wall time until it is shown.
// diagnostics_ms_1000: reading 1,000 g++ messages about a 1,000-line file.

#include "ui/testpanel/diff_view.h"
#include "runner/compiler_messages.h"
#include "runner/output_diff.h"

#include "support/bench_stats.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <ctime>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Figures {
    std::vector<double> wall;
    std::vector<double> cpu;

    void measure(const std::function<void()>& work) {
        QElapsedTimer clock;
        const double cpuStart = threadCpuMs();
        clock.start();
        work();
        wall.push_back(double(clock.nsecsElapsed()) / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }

    void print(const char* name) const {
        printFigure(name, median(wall));
        printFigure((QByteArray(name) + "_cpu").constData(), median(cpu));
    }
};

// `lines` numbered lines; the actual one has `differences` of them changed, evenly spread.
std::pair<QString, QString> outputs(int lines, int differences, int width) {
    QString expected;
    QString actual;
    expected.reserve(qsizetype(lines) * width);
    actual.reserve(qsizetype(lines) * width);
    const int every = lines / differences;
    for (int i = 0; i < lines; ++i) {
        const QString line = QString::number(i).rightJustified(width - 1, u'0') + u'\n';
        expected += line;
        actual += i % every == every / 2 ? QString(line).replace(0, 1, u'x') : line;
    }
    return {expected, actual};
}

void diffTenThousandLines() {
    const auto [expected, actual] = outputs(10000, 10, 8);
    Figures figures;
    for (int run = 0; run < 21; ++run)
        figures.measure([&] { diffOutputs(expected, actual, u"공백 무시"_s); });
    figures.print("diff_ms_10k_lines");
}

void showSixtyFourMebibytes() {
    // 4 Mi lines of 16 bytes.
    const auto [expected, actual] = outputs(4 << 20, 10, 16);
    DiffView view;
    view.resize(1000, 500);
    view.show();
    QApplication::processEvents();
    Figures ui;
    std::vector<double> ready;
    for (int run = 0; run < 5; ++run) {
        QSignalSpy shown(&view, &DiffView::shown);
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = threadCpuMs();
        view.setOutputs(expected, actual, u"공백 무시"_s);
        const double setWall = double(clock.nsecsElapsed()) / 1e6;
        if (!shown.wait(60000))
            qFatal("the 64 MiB diff was never shown");
        QApplication::processEvents();
        ready.push_back(double(clock.nsecsElapsed()) / 1e6);
        ui.cpu.push_back(threadCpuMs() - cpuStart);
        ui.wall.push_back(setWall);
        view.setOutputs({}, {}, {});
    }
    printFigure("diff_ms_64mib", median(ui.cpu));
    printFigure("diff_64mib_set_wall_ms", median(ui.wall));
    printFigure("diff_64mib_ready_ms", median(ready));
}

void parseThousandMessages() {
    QString source;
    QString messages;
    for (int line = 1; line <= 1000; ++line) {
        source += u"\tint x%1 = \"a\";\n"_s.arg(line);
        messages += u"solution.cpp:%1:%2: error: invalid conversion from ‘const char*’ to ‘int’ "
                    "[-fpermissive]\n"
                    "%3 | \tint x%1 = \"a\";\n"
                    "      |  \t         ^~~\n"_s.arg(line)
                        .arg(17 + QString::number(line).size())
                        .arg(line, 5);
    }
    const MessageSource file{u"solution.cpp"_s, source};
    Figures figures;
    for (int run = 0; run < 21; ++run)
        figures.measure([&] {
            if (parseCompilerMessages(messages, file).size() != 1000)
                qFatal("the messages were not all read");
        });
    figures.print("diagnostics_ms_1000");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    diffTenThousandLines();
    parseThousandMessages();
    showSixtyFourMebibytes();
    return 0;
}
