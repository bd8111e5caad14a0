#include "themes/editor_theme.h"

#include <array>

namespace {

struct Palette {
    Rgba background;
    Rgba textColor;
    Rgba lineNumberColor;
    Rgba sidebarBackground;
    Rgba cursorColor;
    Rgba syntaxKeyword;
    Rgba syntaxString;
    Rgba syntaxComment;
    Rgba syntaxFunction;
    Rgba syntaxType;
    Rgba syntaxNumber;
    Rgba syntaxVariable;
    Rgba syntaxPreprocessor;
};

struct BuiltInTheme {
    EditorTheme theme;
    Palette palette;
};

constexpr Rgba c(double red, double green, double blue) {
    return Rgba{red, green, blue, 1.0};
}

// The values are the designed two-decimal components, taken as they are.
constexpr std::array<BuiltInTheme, 8> builtInThemes = {{
    {EditorTheme::dark,
     {
         .background = c(0.10, 0.10, 0.12),
         .textColor = c(0.85, 0.85, 0.85),
         .lineNumberColor = c(0.40, 0.40, 0.45),
         .sidebarBackground = c(0.12, 0.12, 0.14),
         .cursorColor = c(1.00, 1.00, 1.00),
         .syntaxKeyword = c(0.77, 0.53, 0.75),
         .syntaxString = c(0.81, 0.57, 0.47),
         .syntaxComment = c(0.42, 0.60, 0.33),
         .syntaxFunction = c(0.86, 0.86, 0.67),
         .syntaxType = c(0.31, 0.79, 0.69),
         .syntaxNumber = c(0.71, 0.81, 0.66),
         .syntaxVariable = c(0.61, 0.86, 1.00),
         .syntaxPreprocessor = c(0.34, 0.61, 0.84),
     }},
    {EditorTheme::light,
     {
         .background = c(0.98, 0.98, 0.98),
         .textColor = c(0.20, 0.20, 0.20),
         .lineNumberColor = c(0.60, 0.60, 0.60),
         .sidebarBackground = c(0.95, 0.95, 0.95),
         .cursorColor = c(0.00, 0.00, 0.00),
         .syntaxKeyword = c(0.00, 0.00, 0.67),
         .syntaxString = c(0.64, 0.08, 0.08),
         .syntaxComment = c(0.00, 0.50, 0.00),
         .syntaxFunction = c(0.47, 0.31, 0.00),
         .syntaxType = c(0.00, 0.47, 0.47),
         .syntaxNumber = c(0.00, 0.50, 0.50),
         .syntaxVariable = c(0.00, 0.00, 0.00),
         .syntaxPreprocessor = c(0.50, 0.00, 0.50),
     }},
    {EditorTheme::monokai,
     {
         .background = c(0.15, 0.16, 0.13),
         .textColor = c(0.97, 0.97, 0.95),
         .lineNumberColor = c(0.55, 0.55, 0.50),
         .sidebarBackground = c(0.17, 0.18, 0.15),
         .cursorColor = c(0.97, 0.97, 0.95),
         .syntaxKeyword = c(0.97, 0.15, 0.45),
         .syntaxString = c(0.90, 0.86, 0.45),
         .syntaxComment = c(0.46, 0.44, 0.37),
         .syntaxFunction = c(0.65, 0.89, 0.18),
         .syntaxType = c(0.40, 0.85, 0.94),
         .syntaxNumber = c(0.68, 0.51, 1.00),
         .syntaxVariable = c(0.97, 0.97, 0.95),
         .syntaxPreprocessor = c(0.97, 0.15, 0.45),
     }},
    {EditorTheme::dracula,
     {
         .background = c(0.16, 0.16, 0.21),
         .textColor = c(0.97, 0.97, 0.95),
         .lineNumberColor = c(0.38, 0.40, 0.52),
         .sidebarBackground = c(0.13, 0.13, 0.18),
         .cursorColor = c(0.97, 0.97, 0.95),
         .syntaxKeyword = c(1.00, 0.47, 0.65),
         .syntaxString = c(0.95, 0.98, 0.48),
         .syntaxComment = c(0.38, 0.45, 0.55),
         .syntaxFunction = c(0.31, 0.98, 0.48),
         .syntaxType = c(0.55, 0.93, 0.99),
         .syntaxNumber = c(0.74, 0.58, 0.98),
         .syntaxVariable = c(0.97, 0.97, 0.95),
         .syntaxPreprocessor = c(1.00, 0.47, 0.65),
     }},
    {EditorTheme::nord,
     {
         .background = c(0.18, 0.20, 0.25),
         .textColor = c(0.85, 0.87, 0.91),
         .lineNumberColor = c(0.30, 0.34, 0.42),
         .sidebarBackground = c(0.15, 0.17, 0.22),
         .cursorColor = c(0.85, 0.87, 0.91),
         .syntaxKeyword = c(0.51, 0.63, 0.76),
         .syntaxString = c(0.64, 0.75, 0.55),
         .syntaxComment = c(0.38, 0.43, 0.50),
         .syntaxFunction = c(0.53, 0.75, 0.82),
         .syntaxType = c(0.53, 0.75, 0.82),
         .syntaxNumber = c(0.70, 0.56, 0.68),
         .syntaxVariable = c(0.85, 0.87, 0.91),
         .syntaxPreprocessor = c(0.51, 0.63, 0.76),
     }},
    {EditorTheme::solarizedDark,
     {
         .background = c(0.00, 0.17, 0.21),
         .textColor = c(0.51, 0.58, 0.59),
         .lineNumberColor = c(0.35, 0.43, 0.46),
         .sidebarBackground = c(0.00, 0.14, 0.18),
         .cursorColor = c(0.51, 0.58, 0.59),
         .syntaxKeyword = c(0.52, 0.60, 0.00),
         .syntaxString = c(0.16, 0.63, 0.60),
         .syntaxComment = c(0.35, 0.43, 0.46),
         .syntaxFunction = c(0.15, 0.55, 0.82),
         .syntaxType = c(0.71, 0.54, 0.00),
         .syntaxNumber = c(0.16, 0.63, 0.60),
         .syntaxVariable = c(0.51, 0.58, 0.59),
         .syntaxPreprocessor = c(0.80, 0.29, 0.09),
     }},
    {EditorTheme::oneDark,
     {
         .background = c(0.16, 0.17, 0.20),
         .textColor = c(0.67, 0.72, 0.79),
         .lineNumberColor = c(0.35, 0.38, 0.43),
         .sidebarBackground = c(0.13, 0.14, 0.17),
         .cursorColor = c(0.53, 0.75, 0.98),
         .syntaxKeyword = c(0.78, 0.47, 0.65),
         .syntaxString = c(0.60, 0.76, 0.45),
         .syntaxComment = c(0.35, 0.40, 0.45),
         .syntaxFunction = c(0.38, 0.68, 0.93),
         .syntaxType = c(0.90, 0.75, 0.47),
         .syntaxNumber = c(0.82, 0.53, 0.44),
         .syntaxVariable = c(0.88, 0.53, 0.47),
         .syntaxPreprocessor = c(0.78, 0.47, 0.65),
     }},
    {EditorTheme::githubDark,
     {
         .background = c(0.06, 0.07, 0.09),
         .textColor = c(0.79, 0.82, 0.87),
         .lineNumberColor = c(0.28, 0.31, 0.35),
         .sidebarBackground = c(0.04, 0.05, 0.07),
         .cursorColor = c(1.00, 1.00, 1.00),
         .syntaxKeyword = c(1.00, 0.48, 0.52),
         .syntaxString = c(0.64, 0.83, 1.00),
         .syntaxComment = c(0.55, 0.58, 0.63),
         .syntaxFunction = c(0.82, 0.68, 1.00),
         .syntaxType = c(0.49, 0.75, 0.62),
         .syntaxNumber = c(0.49, 0.75, 0.62),
         .syntaxVariable = c(0.79, 0.82, 0.87),
         .syntaxPreprocessor = c(1.00, 0.48, 0.52),
     }},
}};

constexpr bool inDeclarationOrder() {
    for (std::size_t i = 0; i < builtInThemes.size(); ++i) {
        if (builtInThemes[i].theme != EditorTheme(i))
            return false;
    }
    return true;
}
static_assert(inDeclarationOrder(), "builtInThemes is indexed by EditorTheme");

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
    const Palette& palette = builtInThemes[static_cast<std::size_t>(theme)].palette;
    switch (role) {
    case ThemeRole::background:
        return palette.background;
    case ThemeRole::textColor:
        return palette.textColor;
    case ThemeRole::lineNumberColor:
        return palette.lineNumberColor;
    case ThemeRole::sidebarBackground:
        return palette.sidebarBackground;
    case ThemeRole::cursorColor:
        return palette.cursorColor;
    case ThemeRole::syntaxKeyword:
        return palette.syntaxKeyword;
    case ThemeRole::syntaxString:
        return palette.syntaxString;
    case ThemeRole::syntaxComment:
        return palette.syntaxComment;
    case ThemeRole::syntaxFunction:
        return palette.syntaxFunction;
    case ThemeRole::syntaxType:
        return palette.syntaxType;
    case ThemeRole::syntaxNumber:
        return palette.syntaxNumber;
    case ThemeRole::syntaxVariable:
        return palette.syntaxVariable;
    case ThemeRole::syntaxPreprocessor:
        return palette.syntaxPreprocessor;
    }
    return palette.textColor;
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
