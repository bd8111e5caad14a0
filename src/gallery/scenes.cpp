#include "gallery/sample_workspace.h"
#include "gallery/scene.h"

#include "problems/page_conversion.h"
#include "problems/problem_session.h"
#include "runner/run_session.h"
#include "ui/commands.h"
#include "ui/main_window.h"
#include "ui/problem/problem_tab.h"
#include "ui/settings/settings_window.h"
#include "ui/sheets/onboarding_sheet.h"
#include "ui/sidebar/sidebar.h"
#include "ui/sidebar/sidebar_commands.h"
#include "ui/testpanel/case_card.h"
#include "ui/testpanel/cases_panel.h"
#include "ui/testpanel/cases_view.h"
#include "ui/testpanel/stress_pane.h"
#include "ui/window_context.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>

namespace {

void onboardingAt(SceneContext& context, int step) {
    context.window.openOnboarding();
    auto* sheet = context.window.findChild<OnboardingSheet*>();
    for (int i = 0; i < step; ++i)
        sheet->findChild<QAbstractButton*>(QStringLiteral("nextButton"))->click();
}

// The problem tab, shown in the test panel.
ProblemTab& problemTab(SceneContext& context) {
    context.window.findChild<CasesPanel*>()->selectTab(CasesPanel::Tab::baekjoon);
    return *context.window.findChild<ProblemTab*>();
}

// A real judge page, converted as a fetch converts it, with the tier the
// service gives it.
void cacheFetchedProblem(SceneContext& context, const QDateTime& fetchedAt) {
    QFile page(QStringLiteral(CORVANTA_FIXTURES_DIR "/judge-pages/10844.html"));
    if (!page.open(QIODevice::ReadOnly))
        return;
    BaekjoonProblem problem =
        parseProblemPage(QString::fromUtf8(page.readAll()), QStringLiteral("10844"));
    problem.tier = SolvedTier::silver1;
    context.owners.problems.recordFetch(problem, fetchedAt);
}

void typeNumber(ProblemTab& tab, const QString& number) {
    tab.findChild<QLineEdit*>(QStringLiteral("problemNumber"))->setText(number);
}

Sidebar& sidebarOf(SceneContext& context) {
    return *context.window.findChild<Sidebar*>();
}

CasesPanel& testPanel(SceneContext& context) {
    return *context.window.findChild<CasesPanel*>();
}

// Cases after a real run: two passes, a wrong answer, a case without an
// expected output.
void runSampleCases(SceneContext& context, CasesPanel::Tab tab) {
    fillSampleWorkspace(context.owners.workspace);
    const QString echoSum = QStringLiteral("a, b = map(int, input().split())\nprint(a + b)\n");
    context.owners.workspace.createFile(QStringLiteral("sum.py"), ProgrammingLanguage::python);
    context.owners.workspace.setFileText(context.owners.workspace.selectedFile()->id, echoSum);
    // The editor reads the text when the file is chosen.
    const QUuid sum = context.owners.workspace.files().last().id;
    context.owners.workspace.openFile(context.owners.workspace.files().first().id);
    context.owners.workspace.openFile(sum);
    QList<TestCase> cases(4);
    const char* const data[][2] = {{"1 2", "3"}, {"10 20", "30"}, {"2 2", "5"}, {"7 8", ""}};
    for (int i = 0; i < 4; ++i) {
        cases[i].input = QString::fromUtf8(data[i][0]);
        cases[i].expectedOutput = QString::fromUtf8(data[i][1]);
    }
    context.owners.workspace.cases().setTestCases(cases);
    // A busy machine must not turn the picture's passes into time-outs.
    context.owners.settings.setExecution({.executionTimeout = 60});
    CasesPanel& panel = testPanel(context);
    emit context.owners.commands.runCode();
    while (context.owners.runs.isRunning())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // The run's end shows the first failure; the console is a click away.
    panel.selectTab(tab);
    // The passes and the unjudged case folded, the failure open, on a panel
    // tall enough to show them all from the top.
    for (int row : {0, 1, 3})
        panel.testCasesView()->card(row)->setExpanded(false);
    auto* panes = context.window.findChild<QSplitter*>(QStringLiteral("mainAreaSplitter"));
    panes->setSizes({panes->height() - 520, 520});
    QApplication::processEvents();
    panel.findChild<QScrollArea*>(QStringLiteral("testCaseList"))->verticalScrollBar()->setValue(0);
}

// A square in int against Python's exact one, on a size past the overflow:
// one value, so the picture does not wait for a search or a shrink.
void stressCounterexample(SceneContext& context) {
    Workspace& workspace = context.owners.workspace;
    const auto add = [&](const QString& name, ProgrammingLanguage language, const char* code) {
        workspace.createFile(name, language);
        workspace.setFileText(*workspace.selectedFileId(), QString::fromUtf8(code));
        return *workspace.selectedFileId();
    };
    const QUuid brute = add(QStringLiteral("brute.py"), ProgrammingLanguage::python,
                            "n = int(input())\nprint(n * n)\n");
    const QUuid generator = add(QStringLiteral("gen.py"), ProgrammingLanguage::python,
                                "import sys\nprint(sys.argv[2])\n");
    add(QStringLiteral("square.cpp"), ProgrammingLanguage::cpp,
        "#include <cstdio>\n\nint main() {\n    int n;\n    std::scanf(\"%d\", &n);\n"
        "    std::printf(\"%d\\n\", n * n);\n}\n");
    CasesPanel& panel = testPanel(context);
    panel.selectTab(CasesPanel::Tab::stress);
    StressPane& pane = *panel.stressPane();
    pane.setChoice({generator, brute, QStringLiteral("[46341..46341]")});
    pane.findChild<QAbstractButton*>(QStringLiteral("stressButton"))->click();
    while (pane.isRunning())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    auto* panes = context.window.findChild<QSplitter*>(QStringLiteral("mainAreaSplitter"));
    panes->setSizes({panes->height() - 420, 420});
}

Scene settingsScene(const QString& name, SettingsTab tab) {
    return {QStringLiteral("settings-") + name + QStringLiteral(".png"),
            [tab](SceneContext& context) {
                fillSampleWorkspace(context.owners.workspace);
                context.window.openSettings();
                context.window.findChild<SettingsWindow*>()->selectTab(tab);
            }};
}

} // namespace

// Add a pane's pictures here, one entry each.
const QList<Scene>& gallery() {
    static const QList<Scene> scenes =
        QList<Scene>{
            {QStringLiteral("window-empty.png"), [](SceneContext&) {}},
            {QStringLiteral("window-workspace.png"),
             [](SceneContext& context) { fillSampleWorkspace(context.owners.workspace); }},
            {QStringLiteral("quick-create.png"),
             [](SceneContext& context) {
                 fillSampleWorkspace(context.owners.workspace);
                 emit context.owners.commands.newFile();
             }},
            {QStringLiteral("new-file-sheet.png"),
             [](SceneContext& context) {
                 fillSampleWorkspace(context.owners.workspace);
                 context.window.openNewFileSheet();
             }},
            {QStringLiteral("problem.png"),
             [](SceneContext& context) {
                 fillSampleWorkspace(context.owners.workspace);
                 cacheFetchedProblem(context, QDateTime::currentDateTime());
                 typeNumber(problemTab(context), QStringLiteral("10844"));
             }},
            {QStringLiteral("tier-picker.png"),
             [](SceneContext& context) {
                 fillSampleWorkspace(context.owners.workspace);
                 problemTab(context)
                     .findChild<QAbstractButton*>(QStringLiteral("randomButton"))
                     ->click();
             }},
            {QStringLiteral("problem-error.png"),
             [](SceneContext& context) {
                 fillSampleWorkspace(context.owners.workspace);
                 cacheFetchedProblem(context, QDateTime::currentDateTime().addSecs(-60));
                 ProblemTab& tab = problemTab(context);
                 typeNumber(tab, QStringLiteral("10 00"));
                 tab.searchProblem();
             }},
            {QStringLiteral("sidebar-search.png"),
             [](SceneContext& context) {
                 fillSampleWorkspace(context.owners.workspace);
                 sidebarOf(context)
                     .findChild<QLineEdit*>(QStringLiteral("sidebarSearch"))
                     ->setText(QStringLiteral("a"));
             }},
            {QStringLiteral("delete-confirm.png"),
             [](SceneContext& context) {
                 fillSampleWorkspace(context.owners.workspace);
                 sidebarOf(context).commands().askToDeleteFile(
                     *context.owners.workspace.selectedFileId());
             }},
            {QStringLiteral("onboarding-1.png"),
             [](SceneContext& context) { onboardingAt(context, 0); }},
            {QStringLiteral("onboarding-2.png"),
             [](SceneContext& context) { onboardingAt(context, 1); }},
            {QStringLiteral("onboarding-3.png"),
             [](SceneContext& context) { onboardingAt(context, 2); }},
            {QStringLiteral("onboarding-4.png"),
             [](SceneContext& context) { onboardingAt(context, 3); }},
            {QStringLiteral("testcases.png"),
             [](SceneContext& context) { runSampleCases(context, CasesPanel::Tab::testCases); }},
            {QStringLiteral("console.png"),
             [](SceneContext& context) { runSampleCases(context, CasesPanel::Tab::console); }},
            {QStringLiteral("stress.png"), stressCounterexample},
            settingsScene(QStringLiteral("editor"), SettingsTab::editor),
            settingsScene(QStringLiteral("indentation"), SettingsTab::indentation),
            settingsScene(QStringLiteral("templates"), SettingsTab::templates),
            settingsScene(QStringLiteral("execution"), SettingsTab::execution),
            settingsScene(QStringLiteral("extensions"), SettingsTab::extensions),
            settingsScene(QStringLiteral("custom-theme"), SettingsTab::customTheme),
            settingsScene(QStringLiteral("shortcuts"), SettingsTab::shortcuts),
            settingsScene(QStringLiteral("changelog"), SettingsTab::changelog),
            settingsScene(QStringLiteral("about"), SettingsTab::about),
        } +
        sheetScenes() + diffScenes();
    return scenes;
}
