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
// 10,000-line file is loaded into AppState and shown in the main window,
// with the three item models and a view over each (the window has no
// sidebar yet). One key is typed, then the pending edit is written back
// synchronously (commitPendingEdits, what the coalescing timer does); the
// time of that call on the UI thread. Median of 20.
// models_ms_large: building the three models over the loaded large workspace.

#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"
#include "models/open_tabs_model.h"
#include "models/test_case_model.h"
#include "models/workspace_model.h"
#include "ui/main_window.h"
#include "base/app_identity.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"
#include "workspace/save_file.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTreeView>
#include <algorithm>
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

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString codeOfSize(qsizetype bytes, int seed) {
    QString text = QStringLiteral("#include <bits/stdc++.h>\nusing namespace std;\n\n");
    for (int i = 0; text.size() < bytes; ++i)
        text += QStringLiteral("    long long v%1 = a[%2] * %3 + b[%1]; // 누적 %2\n")
                    .arg(i)
                    .arg(seed)
                    .arg(i % 97);
    text.truncate(bytes);
    return text;
}

QString codeOfLines(int lines) {
    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("    sum += values[%1] * %2; // line %1\n").arg(i).arg(i % 13);
    return text;
}

WorkspaceSnapshot largeWorkspace() {
    WorkspaceSnapshot snapshot;
    for (int f = 0; f < 50; ++f)
        snapshot.folders.append(FolderItem::make(QStringLiteral("폴더 %1").arg(f)));
    for (int i = 0; i < 1000; ++i) {
        FileItem file = FileItem::make(QStringLiteral("solution_%1.cpp").arg(i),
                                       ProgrammingLanguage::cpp, snapshot.folders[i % 50].id);
        file.content = codeOfSize(16 * 1024, i);
        snapshot.files.append(file);
    }
    for (int i = 0; i < 10; ++i)
        snapshot.openTabIds.append(snapshot.files[i * 97].id);
    snapshot.selectedFileId = snapshot.openTabIds.first();
    for (int i = 0; i < 200; ++i) {
        TestCase testCase;
        testCase.input = QStringLiteral("%1 %2\n").arg(i).arg(i * 2);
        testCase.expectedOutput = QString::number(i * 3);
        snapshot.testCases.append(testCase);
    }
    return snapshot;
}

QString dataFolder(const QString& home) {
    return home + QStringLiteral("/.local/share/Corvanta");
}

bool writeSaveFile(const QString& home, const QByteArray& bytes) {
    QDir().mkpath(dataFolder(home));
    QFile file(dataFolder(home) + QStringLiteral("/appdata.json"));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
        writeSaveFile(home.path(), saveFile);
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
    writeSaveFile(qEnvironmentVariable("HOME"), saveFile);
    QElapsedTimer loading;
    loading.start();
    AppState state;
    QTextStream(stderr) << "AppState with the large workspace: " << loading.elapsed() << " ms\n";
    Commands commands;
    MainWindow window(state, commands);

    QElapsedTimer timer;
    timer.start();
    WorkspaceModel workspace(state);
    OpenTabsModel tabs(state);
    TestCaseModel testCases(state);
    const double modelsMs = double(timer.nsecsElapsed()) / 1e6;

    QTreeView tree;
    tree.setModel(&workspace);
    tree.expandAll();
    QListView tabList;
    tabList.setModel(&tabs);
    QListView caseList;
    caseList.setModel(&testCases);
    window.show();
    tree.show();
    tabList.show();
    caseList.show();
    if (!QTest::qWaitForWindowExposed(&window))
        QTextStream(stderr) << "the window was not exposed\n";

    auto* editor = window.findChild<CodeTextEditor*>();
    std::vector<double> times;
    for (int i = 0; i < commitRuns; ++i) {
        QTest::keyClick(editor->textView(), Qt::Key_X);
        QCoreApplication::processEvents();
        timer.restart();
        state.commitPendingEdits();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        QCoreApplication::processEvents();
    }
    return {median(times), modelsMs};
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    const QByteArray root = home.path().toUtf8();
    qputenv("HOME", root);
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setAppIdentity();

    WorkspaceSnapshot large = largeWorkspace();
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

    FileItem big = FileItem::make(QStringLiteral("big.cpp"), ProgrammingLanguage::cpp);
    big.content = codeOfLines(10'000);
    large.files.append(big);
    large.openTabIds.append(big.id);
    large.selectedFileId = big.id;
    const CommitFigures figures = measureCommit(encodeWorkspace(large));
    out << "commit_ms_10k " << figures.commitMs << Qt::endl;
    out << "models_ms_large " << figures.modelsMs << Qt::endl;
    return 0;
}
