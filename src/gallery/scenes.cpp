#include "gallery/sample_workspace.h"
#include "gallery/scene.h"

#include "ui/main_window.h"
#include "ui/sheets/onboarding_sheet.h"
#include "ui/sidebar/sidebar.h"
#include "ui/sidebar/sidebar_commands.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QAbstractButton>
#include <QDockWidget>
#include <QLineEdit>

namespace {

void onboardingAt(SceneContext& context, int step) {
    context.window.openOnboarding();
    auto* sheet = context.window.findChild<OnboardingSheet*>();
    for (int i = 0; i < step; ++i)
        sheet->findChild<QAbstractButton*>(QStringLiteral("nextButton"))->click();
}

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
    static const QList<Scene> scenes = {
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
    };
    return scenes;
}
