#include "gallery/sample_workspace.h"
#include "gallery/scene.h"

#include "ui/main_window.h"
#include "ui/settings/settings_window.h"
#include "ui/sheets/onboarding_sheet.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QAbstractButton>

namespace {

void onboardingAt(SceneContext& context, int step) {
    context.window.openOnboarding();
    auto* sheet = context.window.findChild<OnboardingSheet*>();
    for (int i = 0; i < step; ++i)
        sheet->findChild<QAbstractButton*>(QStringLiteral("nextButton"))->click();
}

Scene settingsScene(const QString& name, SettingsTab tab) {
    return {QStringLiteral("settings-") + name + QStringLiteral(".png"),
            [tab](SceneContext& context) {
                fillSampleWorkspace(context.state);
                context.window.openSettings();
                context.window.findChild<SettingsWindow*>()->selectTab(tab);
            }};
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
        {QStringLiteral("onboarding-1.png"),
         [](SceneContext& context) { onboardingAt(context, 0); }},
        {QStringLiteral("onboarding-2.png"),
         [](SceneContext& context) { onboardingAt(context, 1); }},
        {QStringLiteral("onboarding-3.png"),
         [](SceneContext& context) { onboardingAt(context, 2); }},
        {QStringLiteral("onboarding-4.png"),
         [](SceneContext& context) { onboardingAt(context, 3); }},
        settingsScene(QStringLiteral("editor"), SettingsTab::editor),
        settingsScene(QStringLiteral("indentation"), SettingsTab::indentation),
        settingsScene(QStringLiteral("templates"), SettingsTab::templates),
        settingsScene(QStringLiteral("execution"), SettingsTab::execution),
        settingsScene(QStringLiteral("extensions"), SettingsTab::extensions),
        settingsScene(QStringLiteral("custom-theme"), SettingsTab::customTheme),
        settingsScene(QStringLiteral("shortcuts"), SettingsTab::shortcuts),
        settingsScene(QStringLiteral("changelog"), SettingsTab::changelog),
        settingsScene(QStringLiteral("about"), SettingsTab::about),
    };
    return scenes;
}
