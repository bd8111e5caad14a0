#include "ui/editor_config.h"

#include "ui/style/colors.h"
#include "workspace/app_state.h"

EditorConfig editorConfig(const AppState& state, ProgrammingLanguage language) {
    const SettingsStore& settings = state.settings();
    EditorConfig config;
    config.editor = settings.editor();
    config.indentation = settings.indentation();
    config.typingAids = settings.typingAids();
    config.fontSize = state.fontSize();
    config.backgroundColor = toQColor(state.themeBackground());
    config.lineNumberColor = toQColor(state.themeLineNumber());
    config.lineNumberBgColor = withAlpha(toQColor(state.themeSidebar()), 0.3);
    config.cursorColor = toQColor(state.themeCursor());
    config.errorColor = standardColor(QStringLiteral("red"));
    config.warningColor = standardColor(QStringLiteral("orange"));
    config.noteColor = toQColor(state.themeLineNumber());
    config.language = language;
    config.theme = state.theme();
    if (const CustomTheme* custom = state.activeCustomTheme())
        config.customTheme = *custom;
    return config;
}
