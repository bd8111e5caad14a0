// Start-up and write-back of the editor with an empty and a large workspace
// (1,000 files of 16 KB in 50 folders, 10 open tabs, 200 test cases: a
// 16 MB save file).
//
// startup_ms_*: the real `corvanta` is spawned (offscreen platform, a fresh
// temporary HOME and XDG folders per run) with CORVANTA_REPORT_FIRST_PAINT
// set; it prints the monotonic time at which its window's first frame was
// painted and is then killed. The figure runs from just before the spawn to
// that moment: process start, loading, building the window, first paint.
// startup_cpu_ms_*: the CPU time (user and system) the editor used until it
// was killed, which a busy machine does not inflate. Medians of 5 runs.
//
// commit_ms_10k: in this process, the same large workspace plus a selected
// 10,000-line file is loaded into the workspace and shown in the main window.
// One key is typed, then the record takes the editor's text synchronously
// (catchUpLiveText, what the pause after typing does); the time of that call
// on the UI thread, its sidebar, tabs and test cases listening. Median of 20.
// models_ms_large: building three more item models over the loaded large
// workspace.
// content_ms_startup: in this process, the first (uncached) read of the
// built-in content that start-up needs: the themes and the starter texts the
// template settings default to. content_ms_templates, content_ms_snippets:
// the first read of the template library and the snippet tables, which happen
// later, when the template browser opens or a snippet is first expanded.

#include "base/app_identity.h"
#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"
#include "library/algorithm_templates.h"
#include "library/snippets.h"
#include "library/starter_code.h"
#include "models/case_model.h"
#include "models/open_tabs_model.h"
#include "models/workspace_model.h"
#include "themes/editor_theme.h"
#include "ui/main_window.h"
#include "ui/window_context.h"
#include "workspace/save_file.h"

#include "support/bench_stats.h"
#include "support/large_workspace.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <chrono>
#include <sys/resource.h>

namespace {

constexpr int startupRuns = 5;
constexpr int commitRuns = 20;

qint64 monotonicNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QString dataFolder(const QString& home) {
    return home + QStringLiteral("/.local/share/Corvanta");
}

struct Startup {
    double wallMs = -1;
    double cpuMs = -1;
};

double childrenCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// One spawn of the real editor; wallMs is -1 when it reported no first paint.
Startup startup(const QByteArray& saveFile) {
    QTemporaryDir home;
    if (!saveFile.isEmpty())
        writeSaveFile(dataFolder(home.path()), saveFile);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.path() + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CORVANTA_REPORT_FIRST_PAINT"), QStringLiteral("1"));
    QProcess app;
    app.setProcessEnvironment(env);
    const double cpuBefore = childrenCpuMs();
    const qint64 started = monotonicNs();
    app.start(QStringLiteral(CORVANTA_APP_PATH), QStringList());
    const QByteArray marker = "first_paint_ns ";
    QByteArray output;
    Startup result;
    QElapsedTimer deadline;
    deadline.start();
    while (result.wallMs < 0 && deadline.elapsed() < 60'000 &&
           app.state() != QProcess::NotRunning) {
        app.waitForReadyRead(100);
        output += app.readAllStandardOutput();
        for (const QByteArray& line : output.split('\n')) {
            if (line.startsWith(marker) && output.contains(line + '\n'))
                result.wallMs = double(line.mid(marker.size()).toLongLong() - started) / 1e6;
        }
    }
    app.kill();
    app.waitForFinished();
    result.cpuMs = childrenCpuMs() - cpuBefore;
    return result;
}

struct CommitFigures {
    double commitMs;
    double modelsMs;
};

CommitFigures measureCommit(const QByteArray& saveFile) {
    writeSaveFile(dataFolder(qEnvironmentVariable("HOME")), saveFile);
    QElapsedTimer loading;
    loading.start();
    WindowContext owners;
    QTextStream(stderr) << "Workspace owners with the large workspace: " << loading.elapsed()
                        << " ms\n";
    MainWindow window(owners);

    QElapsedTimer timer;
    timer.start();
    WorkspaceModel workspace(owners.workspace);
    OpenTabsModel tabs(owners.workspace);
    CaseModel testCases(owners.workspace.cases());
    const double modelsMs = double(timer.nsecsElapsed()) / 1e6;

    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        QTextStream(stderr) << "the window was not exposed\n";

    auto* editor = window.findChild<CodeTextEditor*>();
    std::vector<double> times;
    for (int i = 0; i < commitRuns; ++i) {
        QTest::keyClick(editor->textView(), Qt::Key_X);
        QCoreApplication::processEvents();
        timer.restart();
        owners.workspace.catchUpLiveText();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        QCoreApplication::processEvents();
    }
    return {median(times), modelsMs};
}

double elapsedMs(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

struct ContentFigures {
    double startupMs;
    double templatesMs;
    double snippetsMs;
};

// Once per process: every later call answers from the cache.
ContentFigures measureContentReads() {
    QElapsedTimer timer;
    timer.start();
    builtInColor(EditorTheme::dark, ThemeRole::background);
    corvanta::registeredDefaultTemplate(ProgrammingLanguage::cpp);
    const double startupMs = elapsedMs(timer);
    timer.restart();
    corvanta::templates(AlgorithmCategory::sorting);
    const double templatesMs = elapsedMs(timer);
    timer.restart();
    for (ProgrammingLanguage language : allLanguages())
        corvanta::snippets(language);
    return {startupMs, templatesMs, elapsedMs(timer)};
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    usePrivateHome(home.path());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setAppIdentity();
    const ContentFigures content = measureContentReads();

    WorkspaceSnapshot large = largeWorkspace(10);
    const QByteArray largeFile = encodeWorkspace(large);
    QTextStream(stderr) << "large save file: " << largeFile.size() << " bytes\n";

    QTextStream out(stdout);
    const struct {
        const char* suffix;
        QByteArray saveFile;
    } scenarios[] = {{"empty", {}}, {"large", largeFile}};
    for (const auto& scenario : scenarios) {
        std::vector<double> wall, cpu;
        for (int i = 0; i < startupRuns; ++i) {
            const Startup run = startup(scenario.saveFile);
            if (run.wallMs < 0) {
                QTextStream(stderr) << "the editor reported no first paint\n";
                return 1;
            }
            wall.push_back(run.wallMs);
            cpu.push_back(run.cpuMs);
        }
        out << "startup_ms_" << scenario.suffix << ' ' << median(wall) << Qt::endl;
        out << "startup_cpu_ms_" << scenario.suffix << ' ' << median(cpu) << Qt::endl;
    }

    addLongFile(large, QStringLiteral("big.cpp"), 10'000);
    const CommitFigures figures = measureCommit(encodeWorkspace(large));
    out << "commit_ms_10k " << figures.commitMs << Qt::endl;
    out << "models_ms_large " << figures.modelsMs << Qt::endl;
    out << "content_ms_startup " << content.startupMs << Qt::endl;
    out << "content_ms_templates " << content.templatesMs << Qt::endl;
    out << "content_ms_snippets " << content.snippetsMs << Qt::endl;
    return 0;
}
