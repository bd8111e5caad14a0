#include "support/printers.h"
#include "theme_test_support.h"
#include "themes/editor_theme.h"
#include "themes/theme_resolver.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

using enum EditorTheme;
using enum ThemeRole;

TEST(EditorTheme, RawValuesAreExactAndInPickerOrder) {
    QStringList raws;
    for (EditorTheme theme : allEditorThemes()) {
        raws.append(rawValue(theme));
        EXPECT_EQ(editorThemeFromRawValue(rawValue(theme)), theme);
    }
    EXPECT_EQ(
        raws.join(QLatin1Char('|')),
        QStringLiteral("Dark|Light|Monokai|Dracula|Nord|Solarized Dark|One Dark|GitHub Dark"));
    for (const char* raw : {"solarized dark", "dark", "Github Dark", "OneDark", " Dark", ""})
        EXPECT_FALSE(editorThemeFromRawValue(QString::fromUtf8(raw))) << raw;
}

TEST(EditorTheme, SharedColoursAreExactlyTheDesignedOnes) {
    struct Pair {
        ThemeRole a;
        ThemeRole b;
        QSet<EditorTheme> equalIn;
    };
    const Pair pairs[] = {
        {syntaxKeyword, syntaxPreprocessor, {monokai, dracula, nord, oneDark, githubDark}},
        {syntaxVariable, textColor, {monokai, dracula, nord, solarizedDark, githubDark}},
        {cursorColor, textColor, {monokai, dracula, nord, solarizedDark}},
        {syntaxType, syntaxNumber, {githubDark}},
        {syntaxFunction, syntaxType, {nord}},
        {syntaxString, syntaxNumber, {solarizedDark}},
    };
    for (const Pair& pair : pairs) {
        for (EditorTheme theme : allEditorThemes()) {
            EXPECT_EQ(builtInColor(theme, pair.a) == builtInColor(theme, pair.b),
                      pair.equalIn.contains(theme))
                << rawValue(theme).toStdString() << " roles " << int(pair.a) << "/" << int(pair.b);
        }
    }
}

TEST(ThemeResolver, EditorRolesTakeTheirFieldOrTheBuiltInEntry) {
    const std::tuple<ColorRole, ThemeRole, CodableColor CustomTheme::*> mapping[] = {
        {ColorRole::plain, textColor, &CustomTheme::textColor},
        {ColorRole::keyword, syntaxKeyword, &CustomTheme::syntaxKeyword},
        {ColorRole::type, syntaxType, &CustomTheme::syntaxType},
        {ColorRole::function, syntaxFunction, &CustomTheme::syntaxFunction},
        {ColorRole::variable, syntaxVariable, &CustomTheme::syntaxVariable},
        {ColorRole::number, syntaxNumber, &CustomTheme::syntaxNumber},
        {ColorRole::string, syntaxString, &CustomTheme::syntaxString},
        {ColorRole::comment, syntaxComment, &CustomTheme::syntaxComment},
        {ColorRole::preprocessor, syntaxPreprocessor, &CustomTheme::syntaxPreprocessor},
    };
    const CustomTheme custom = sampleTheme(QStringLiteral("half"), 0.5);
    for (const auto& [colorRole, role, field] : mapping) {
        EXPECT_EQ(resolveColor(colorRole, light, nullptr), builtInColor(light, role));
        EXPECT_EQ(resolveColor(colorRole, light, &custom), (custom.*field).toRgba())
            << roleName(colorRole).toStdString() << ": the custom colour, opacity 0.5 kept";
    }
}

} // namespace
