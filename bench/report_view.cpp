// UI-thread cost of showing a test run's results in the test panel, with the
// panel shown at 1000 x 500 on the offscreen platform. Each figure runs from
// the moment the results reach the UI thread (the case's result, then the
// report built and set, as the run delivers them) until the panel has laid
// itself out and painted. *_cpu_ms: the UI thread's CPU time for the same
// span, which a busy machine does not inflate. Medians of 5 (card: 50).
//
// show_report_ms: one case whose program printed 64 MiB (4 Mi lines of 16
// bytes); show_report_line_ms: the same 64 MiB as one line.
// show_200_cases_ms: 200 small cases, all results and the report.
// card_update_ms: one result arriving during a run with 200 cards.

#include "base/app_identity.h"
#include "problems/problem_session.h"
#include "runner/run_report.h"
#include "runner/run_session.h"
#include "ui/icons.h"
#include "ui/testpanel/cases_panel.h"
#include "ui/window_context.h"

#include "support/bench_stats.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>
#include <functional>

namespace {

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Figure {
    double wallMs;
    double cpuMs;
};

Figure measure(const std::function<void()>& deliver) {
    QElapsedTimer clock;
    const double cpuStart = threadCpuMs();
    clock.start();
    deliver();
    QApplication::processEvents();
    QApplication::processEvents();
    return {double(clock.nsecsElapsed()) / 1e6, threadCpuMs() - cpuStart};
}

void print(const char* name, const QList<Figure>& figures) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Figure& figure : figures) {
        wall.push_back(figure.wallMs);
        cpu.push_back(figure.cpuMs);
    }
    printFigure((QByteArray(name) + "_ms").constData(), median(wall));
    printFigure((QByteArray(name) + "_cpu_ms").constData(), median(cpu));
}

// Each bench starts from an empty workspace.
struct Forget {
    Forget() {
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
             QStringLiteral("/Corvanta"))
            .removeRecursively();
    }
};

// A fresh workspace with one file and `count` cases, and the panel over it.
struct Bench {
    Forget forget;
    WindowContext owners;
    CasesPanel panel{owners.workspace, owners.settings, owners.runs, owners.problems};

    explicit Bench(int count) {
        owners.workspace.createFile(QStringLiteral("a.cpp"), ProgrammingLanguage::cpp);
        QList<TestCase> cases;
        for (int i = 0; i < count; ++i) {
            TestCase testCase;
            testCase.input = QString::number(i);
            testCase.expectedOutput = QString::number(i);
            cases.append(testCase);
        }
        owners.workspace.cases().setTestCases(cases);
        panel.resize(1000, 500);
        panel.show();
        if (!QTest::qWaitForWindowExposed(&panel))
            qFatal("the panel was never shown");
        QApplication::processEvents();
    }

    // What the run's queued calls do with one case's outcome.
    void deliver(int row, const QString& output) {
        TestCase result = owners.workspace.cases().testCases()[row];
        const VerdictKind kind = output.startsWith(result.expectedOutput)
                                     ? VerdictKind::accepted
                                     : VerdictKind::wrongAnswer;
        result.result = CaseResult{{kind}, output, {}, 12.5, 10, 3456};
        owners.workspace.cases().updateTestCase(result);
    }

    // The run builds its report on its worker; the UI thread only sets it.
    QString report(const QStringList& outputs) const {
        QList<TestRunRecord> records;
        for (int row = 0; row < outputs.size(); ++row)
            records.append(
                {row, CaseResult{{VerdictKind::accepted}, outputs[row], {}, 12.5, 10, 3456}});
        return buildRunReport(*owners.workspace.selectedFile(), records);
    }

    void finish(const QString& report) { owners.runs.setConsoleText(report); }
};

QList<Figure> showHuge(const QString& output) {
    QList<Figure> figures;
    for (int i = 0; i < 5; ++i) {
        Bench bench(1);
        const QString report = bench.report({output});
        figures.append(measure([&] {
            bench.deliver(0, output);
            bench.finish(report);
        }));
    }
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", home.path().toUtf8() + "/data");
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8() + "/config");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setAppIdentity();
    useFreedesktopIcons();

    const QString lines = QStringLiteral("0123456789abcde\n").repeated(4 << 20);
    print("show_report", showHuge(lines));
    print("show_report_line", showHuge(QString(64 << 20, u'7')));

    QList<Figure> allCases;
    for (int i = 0; i < 5; ++i) {
        Bench bench(200);
        QStringList outputs;
        for (int row = 0; row < 200; ++row)
            outputs.append(QString::number(row) + u'\n');
        const QString report = bench.report(outputs);
        allCases.append(measure([&] {
            for (int row = 0; row < 200; ++row)
                bench.deliver(row, outputs[row]);
            bench.finish(report);
        }));
    }
    print("show_200_cases", allCases);

    Bench bench(200);
    QList<Figure> cardUpdates;
    for (int row = 0; row < 50; ++row)
        cardUpdates.append(measure([&] { bench.deliver(row, QString::number(row) + u'\n'); }));
    print("card_update", cardUpdates);
    return 0;
}
