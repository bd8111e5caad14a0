#include "gallery/sample_workspace.h"
#include "gallery/scene.h"

#include "problems/page_conversion.h"
#include "problems/problem_cache.h"
#include "ui/main_window.h"
#include "ui/problem/problem_tab.h"
#include "ui/sheets/onboarding_sheet.h"
#include "ui/sidebar/sidebar.h"
#include "ui/sidebar/sidebar_commands.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QAbstractButton>
#include <QFile>
#include <QDockWidget>
#include <QLineEdit>

namespace {

void onboardingAt(SceneContext& context, int step) {
    context.window.openOnboarding();
    auto* sheet = context.window.findChild<OnboardingSheet*>();
    for (int i = 0; i < step; ++i)
        sheet->findChild<QAbstractButton*>(QStringLiteral("nextButton"))->click();
}

// The problem tab in the lower part of the window, where the test panel holds it.
ProblemTab& problemTab(SceneContext& context) {
    ProblemTab* tab = context.window.findChild<ProblemTab*>();
    if (!tab) {
        tab = new ProblemTab(context.state, CrawlerEndpoints::production(), &context.window);
        const QRect area = context.window.centralWidget()->geometry();
        const int top = area.height() / 10;
        tab->setGeometry(area.x(), area.y() + top, area.width(), area.height() - top);
        tab->setAutoFillBackground(true);
        tab->show();
    }
    return *tab;
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
    recordProblemFetch(context.state, problem, fetchedAt);
}

void typeNumber(ProblemTab& tab, const QString& number) {
    tab.findChild<QLineEdit*>(QStringLiteral("problemNumber"))->setText(number);
// The window's sidebar, or one mounted at its place while the window has none.
Sidebar& sidebarOf(SceneContext& context) {
    if (auto* sidebar = context.window.findChild<Sidebar*>())
        return *sidebar;
    auto* dock = new QDockWidget(&context.window);
    dock->setTitleBarWidget(new QWidget(dock));
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    auto* sidebar = new Sidebar(context.state, dock);
    sidebar->setFixedWidth(240);
    dock->setWidget(sidebar);
    context.window.addDockWidget(Qt::LeftDockWidgetArea, dock);
    return *sidebar;
}

} // namespace

// Add a pane's pictures here, one entry each.
const QList<Scene>& gallery() {
    static const QList<Scene> scenes = QList<Scene>{
        {QStringLiteral("window-empty.png"), [](SceneContext&) {}},
        {QStringLiteral("window-workspace.png"),
         [](SceneContext& context) { fillSampleWorkspace(context.state); }},
        {QStringLiteral("quick-create.png"),
         [](SceneContext& context) {
             fillSampleWorkspace(context.state);
             emit context.commands.newFile();
         }},
        {QStringLiteral("new-file-sheet.png"),
         [](SceneContext& context) {
             fillSampleWorkspace(context.state);
             context.state.setShowNewFileSheet(true);
         }},
        {QStringLiteral("problem.png"),
         [](SceneContext& context) {
             fillSampleWorkspace(context.state);
             cacheFetchedProblem(context, QDateTime::currentDateTime());
             typeNumber(problemTab(context), QStringLiteral("10844"));
         }},
        {QStringLiteral("tier-picker.png"),
         [](SceneContext& context) {
             fillSampleWorkspace(context.state);
             problemTab(context)
                 .findChild<QAbstractButton*>(QStringLiteral("randomButton"))
                 ->click();
         }},
        {QStringLiteral("problem-error.png"),
         [](SceneContext& context) {
             fillSampleWorkspace(context.state);
             cacheFetchedProblem(context, QDateTime::currentDateTime().addSecs(-60));
             ProblemTab& tab = problemTab(context);
             typeNumber(tab, QStringLiteral("10 00"));
             tab.searchProblem();
        {QStringLiteral("sidebar-search.png"),
         [](SceneContext& context) {
             fillSampleWorkspace(context.state);
             sidebarOf(context)
                 .findChild<QLineEdit*>(QStringLiteral("sidebarSearch"))
                 ->setText(QStringLiteral("a"));
         }},
        {QStringLiteral("delete-confirm.png"),
         [](SceneContext& context) {
             fillSampleWorkspace(context.state);
             sidebarOf(context).commands().askToDeleteFile(*context.state.selectedFileId());
         }},
        {QStringLiteral("onboarding-1.png"),
         [](SceneContext& context) { onboardingAt(context, 0); }},
        {QStringLiteral("onboarding-2.png"),
         [](SceneContext& context) { onboardingAt(context, 1); }},
        {QStringLiteral("onboarding-3.png"),
         [](SceneContext& context) { onboardingAt(context, 2); }},
        {QStringLiteral("onboarding-4.png"),
         [](SceneContext& context) { onboardingAt(context, 3); }},
    } + sheetScenes();
    return scenes;
}
