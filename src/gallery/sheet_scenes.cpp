#include "gallery/sample_workspace.h"
#include "gallery/scene.h"

#include "ui/main_window.h"
#include "ui/settings/custom_theme_section.h"
#include "ui/sheets/help_panel.h"
#include "ui/sheets/theme_import_sheet.h"
#include "ui/window_context.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace {

// A theme a person might make: deep blue with warm syntax colours.
CustomTheme sampleTheme() {
    CustomTheme theme;
    theme.id = QUuid::createUuid();
    theme.name = QStringLiteral("Deep Sea");
    theme.background = {0.05, 0.11, 0.18, 1};
    theme.textColor = {0.86, 0.90, 0.94, 1};
    theme.lineNumberColor = {0.35, 0.45, 0.55, 1};
    theme.sidebarBackground = {0.07, 0.14, 0.22, 1};
    theme.cursorColor = {1, 0.8, 0.3, 1};
    theme.currentLineHighlight = {0.10, 0.18, 0.27, 0.8};
    theme.syntaxKeyword = {1.0, 0.55, 0.35, 1};
    theme.syntaxString = {0.95, 0.85, 0.45, 1};
    theme.syntaxComment = {0.45, 0.60, 0.55, 1};
    theme.syntaxFunction = {0.55, 0.85, 0.95, 1};
    theme.syntaxType = {0.60, 0.80, 1.0, 1};
    theme.syntaxNumber = {0.85, 0.65, 1.0, 1};
    theme.syntaxVariable = {0.80, 0.90, 0.95, 1};
    theme.syntaxPreprocessor = {0.95, 0.45, 0.60, 1};
    return theme;
}

// The theme page lives in the settings window; here it only hosts the sheets.
CustomThemeSettingsSection* themePage(SceneContext& context) {
    auto* page = new CustomThemeSettingsSection(context.owners.themes, &context.window);
    page->hide();
    return page;
}

Scene helpScene(const char* fileName, HelpSection section) {
    return {QString::fromLatin1(fileName), [section](SceneContext& context) {
                context.window.openHelpPanel();
                context.window.findChild<HelpPanel*>()->showSection(section);
            }};
}

} // namespace

QList<Scene> sheetScenes() {
    return {
        {QStringLiteral("theme-editor.png"),
         [](SceneContext& context) {
             context.owners.themes.addCustomTheme(sampleTheme());
             themePage(context)->openEditor(context.owners.themes.customThemes().first());
         }},
        {QStringLiteral("theme-export.png"),
         [](SceneContext& context) {
             context.owners.themes.addCustomTheme(sampleTheme());
             themePage(context)->openExport(context.owners.themes.customThemes().first());
         }},
        {QStringLiteral("theme-import-error.png"),
         [](SceneContext& context) {
             auto* sheet = static_cast<ThemeImportSheet*>(themePage(context)->openImport());
             sheet->setCode(QStringLiteral("theme code from a chat message"));
             sheet->findChild<QAbstractButton*>(QStringLiteral("addThemeButton"))->click();
         }},
        helpScene("help-shortcuts.png", HelpSection::shortcuts),
        helpScene("help-files.png", HelpSection::files),
        helpScene("help-testing.png", HelpSection::testing),
        helpScene("help-templates.png", HelpSection::templates),
        helpScene("help-tips.png", HelpSection::tips),
        {QStringLiteral("templates.png"),
         [](SceneContext& context) {
             fillSampleWorkspace(context.owners.workspace);
             context.window.openTemplateBrowser();
         }},
        {QStringLiteral("window-custom-theme.png"),
         [](SceneContext& context) {
             fillSampleWorkspace(context.owners.workspace);
             context.owners.themes.addCustomTheme(sampleTheme());
             context.owners.themes.selectCustomTheme(context.owners.themes.customThemes().first());
         }},
    };
}
