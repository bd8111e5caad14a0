#include "themes/editor_theme.h"

#include <array>

namespace {

constexpr int roleCount = 13;
using Palette = std::array<Rgba, roleCount>;

constexpr Rgba c(double red, double green, double blue) {
    return Rgba{red, green, blue, 1.0};
}

// One row per theme in declaration order; columns in ThemeRole order. The
// values are the designed two-decimal components, taken as they are.
// clang-format off
constexpr std::array<Palette, 8> palettes = {{
    // dark
    {c(0.10, 0.10, 0.12), c(0.85, 0.85, 0.85), c(0.40, 0.40, 0.45), c(0.12, 0.12, 0.14),
     c(1.00, 1.00, 1.00),
     c(0.77, 0.53, 0.75), c(0.81, 0.57, 0.47), c(0.42, 0.60, 0.33), c(0.86, 0.86, 0.67),
     c(0.31, 0.79, 0.69), c(0.71, 0.81, 0.66), c(0.61, 0.86, 1.00), c(0.34, 0.61, 0.84)},
    // light
    {c(0.98, 0.98, 0.98), c(0.20, 0.20, 0.20), c(0.60, 0.60, 0.60), c(0.95, 0.95, 0.95),
     c(0.00, 0.00, 0.00),
     c(0.00, 0.00, 0.67), c(0.64, 0.08, 0.08), c(0.00, 0.50, 0.00), c(0.47, 0.31, 0.00),
     c(0.00, 0.47, 0.47), c(0.00, 0.50, 0.50), c(0.00, 0.00, 0.00), c(0.50, 0.00, 0.50)},
    // monokai
    {c(0.15, 0.16, 0.13), c(0.97, 0.97, 0.95), c(0.55, 0.55, 0.50), c(0.17, 0.18, 0.15),
     c(0.97, 0.97, 0.95),
     c(0.97, 0.15, 0.45), c(0.90, 0.86, 0.45), c(0.46, 0.44, 0.37), c(0.65, 0.89, 0.18),
     c(0.40, 0.85, 0.94), c(0.68, 0.51, 1.00), c(0.97, 0.97, 0.95), c(0.97, 0.15, 0.45)},
    // dracula
    {c(0.16, 0.16, 0.21), c(0.97, 0.97, 0.95), c(0.38, 0.40, 0.52), c(0.13, 0.13, 0.18),
     c(0.97, 0.97, 0.95),
     c(1.00, 0.47, 0.65), c(0.95, 0.98, 0.48), c(0.38, 0.45, 0.55), c(0.31, 0.98, 0.48),
     c(0.55, 0.93, 0.99), c(0.74, 0.58, 0.98), c(0.97, 0.97, 0.95), c(1.00, 0.47, 0.65)},
    // nord
    {c(0.18, 0.20, 0.25), c(0.85, 0.87, 0.91), c(0.30, 0.34, 0.42), c(0.15, 0.17, 0.22),
     c(0.85, 0.87, 0.91),
     c(0.51, 0.63, 0.76), c(0.64, 0.75, 0.55), c(0.38, 0.43, 0.50), c(0.53, 0.75, 0.82),
     c(0.53, 0.75, 0.82), c(0.70, 0.56, 0.68), c(0.85, 0.87, 0.91), c(0.51, 0.63, 0.76)},
    // solarizedDark
    {c(0.00, 0.17, 0.21), c(0.51, 0.58, 0.59), c(0.35, 0.43, 0.46), c(0.00, 0.14, 0.18),
     c(0.51, 0.58, 0.59),
     c(0.52, 0.60, 0.00), c(0.16, 0.63, 0.60), c(0.35, 0.43, 0.46), c(0.15, 0.55, 0.82),
     c(0.71, 0.54, 0.00), c(0.16, 0.63, 0.60), c(0.51, 0.58, 0.59), c(0.80, 0.29, 0.09)},
    // oneDark
    {c(0.16, 0.17, 0.20), c(0.67, 0.72, 0.79), c(0.35, 0.38, 0.43), c(0.13, 0.14, 0.17),
     c(0.53, 0.75, 0.98),
     c(0.78, 0.47, 0.65), c(0.60, 0.76, 0.45), c(0.35, 0.40, 0.45), c(0.38, 0.68, 0.93),
     c(0.90, 0.75, 0.47), c(0.82, 0.53, 0.44), c(0.88, 0.53, 0.47), c(0.78, 0.47, 0.65)},
    // githubDark
    {c(0.06, 0.07, 0.09), c(0.79, 0.82, 0.87), c(0.28, 0.31, 0.35), c(0.04, 0.05, 0.07),
     c(1.00, 1.00, 1.00),
     c(1.00, 0.48, 0.52), c(0.64, 0.83, 1.00), c(0.55, 0.58, 0.63), c(0.82, 0.68, 1.00),
     c(0.49, 0.75, 0.62), c(0.49, 0.75, 0.62), c(0.79, 0.82, 0.87), c(1.00, 0.48, 0.52)},
}};
// clang-format on

} // namespace

const QList<EditorTheme>& allEditorThemes() {
    static const QList<EditorTheme> all = {EditorTheme::dark,    EditorTheme::light,
                                           EditorTheme::monokai, EditorTheme::dracula,
                                           EditorTheme::nord,    EditorTheme::solarizedDark,
                                           EditorTheme::oneDark, EditorTheme::githubDark};
    return all;
}

QString rawValue(EditorTheme theme) {
    switch (theme) {
    case EditorTheme::dark:
        return QStringLiteral("Dark");
    case EditorTheme::light:
        return QStringLiteral("Light");
    case EditorTheme::monokai:
        return QStringLiteral("Monokai");
    case EditorTheme::dracula:
        return QStringLiteral("Dracula");
    case EditorTheme::nord:
        return QStringLiteral("Nord");
    case EditorTheme::solarizedDark:
        return QStringLiteral("Solarized Dark");
    case EditorTheme::oneDark:
        return QStringLiteral("One Dark");
    case EditorTheme::githubDark:
        return QStringLiteral("GitHub Dark");
    }
    return {};
}

std::optional<EditorTheme> editorThemeFromRawValue(const QString& raw) {
    for (EditorTheme theme : allEditorThemes()) {
        if (rawValue(theme) == raw)
            return theme;
    }
    return std::nullopt;
}

Rgba builtInColor(EditorTheme theme, ThemeRole role) {
    return palettes[static_cast<std::size_t>(theme)][static_cast<std::size_t>(role)];
}

ThemeRole themeRole(ColorRole role) {
    switch (role) {
    case ColorRole::plain:
        return ThemeRole::textColor;
    case ColorRole::keyword:
        return ThemeRole::syntaxKeyword;
    case ColorRole::type:
        return ThemeRole::syntaxType;
    case ColorRole::function:
        return ThemeRole::syntaxFunction;
    case ColorRole::variable:
        return ThemeRole::syntaxVariable;
    case ColorRole::number:
        return ThemeRole::syntaxNumber;
    case ColorRole::string:
        return ThemeRole::syntaxString;
    case ColorRole::comment:
        return ThemeRole::syntaxComment;
    case ColorRole::preprocessor:
        return ThemeRole::syntaxPreprocessor;
    }
    return ThemeRole::textColor;
}
