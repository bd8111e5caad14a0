#pragma once

#include "base/rgba.h"
#include "themes/color_role.h"

#include <QList>
#include <QString>
#include <optional>

// The eight built-in colour schemes. The order of declaration is the order
// every theme picker shows.
enum class EditorTheme { dark, light, monokai, dracula, nord, solarizedDark, oneDark, githubDark };

// The thirteen colours a built-in theme answers. Each bears the name of the
// custom-theme field that overrides it, which is also its key in the theme's
// data file.
enum class ThemeRole {
    background,
    textColor,
    lineNumberColor,
    sidebarBackground,
    cursorColor,
    syntaxKeyword,
    syntaxString,
    syntaxComment,
    syntaxFunction,
    syntaxType,
    syntaxNumber,
    syntaxVariable,
    syntaxPreprocessor,
};

const QList<EditorTheme>& allEditorThemes();

// The raw value is also the display name ("Dark", "Solarized Dark", ...).
QString rawValue(EditorTheme theme);
// Exact, case-sensitive lookup.
std::optional<EditorTheme> editorThemeFromRawValue(const QString& raw);

// In declaration order; the key is the role's name ("background", "syntaxKeyword", ...).
const QList<ThemeRole>& allThemeRoles();
QString themeRoleKey(ThemeRole role);

// Always opaque. The eight themes are read from their data files on the first
// call and kept for the life of the process.
Rgba builtInColor(EditorTheme theme, ThemeRole role);

// The theme role a highlighter role is painted with (plain text uses textColor).
ThemeRole themeRole(ColorRole role);
