#include "ui/editor_config.h"

#include "themes/theme_selection.h"
#include "ui/style/colors.h"
#include "workspace/settings_store.h"

EditorConfig editorConfig(const SettingsStore& settings, const ThemeSelection& themes,
                          ProgrammingLanguage language) {
    EditorConfig config;
    config.editor = settings.editor();
    config.indentation = settings.indentation();
    config.typingAids = settings.typingAids();
    config.backgroundColor = toQColor(themes.themeBackground());
    config.lineNumberColor = toQColor(themes.themeLineNumber());
    config.lineNumberBgColor = withAlpha(toQColor(themes.themeSidebar()), 0.3);
    config.cursorColor = toQColor(themes.themeCursor());
    config.errorColor = standardColor(QStringLiteral("red"));
    config.warningColor = standardColor(QStringLiteral("orange"));
    config.noteColor = toQColor(themes.themeLineNumber());
    config.language = language;
    config.theme = themes.theme();
    if (const CustomTheme* custom = themes.activeCustomTheme())
        config.customTheme = *custom;
    return config;
}
