#include "support/printers.h"
#include "theme_test_support.h"
#include "themes/editor_theme.h"
#include "themes/theme_resolver.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using enum EditorTheme;
using enum ThemeRole;

// A theme file that is missing, does not parse or lacks a role is reported
// with a warning, which fails the test; the colours must also be usable.
TEST(EditorTheme, EveryThemeAnswersEveryRoleWithAnOpaqueColour) {
    for (EditorTheme theme : allEditorThemes()) {
        for (ThemeRole role : allThemeRoles()) {
            const Rgba color = builtInColor(theme, role);
            for (double component : {color.red, color.green, color.blue})
                EXPECT_TRUE(component >= 0 && component <= 1)
                    << rawValue(theme).toStdString() << ' ' << themeRoleKey(role).toStdString();
            EXPECT_EQ(color.alpha, 1.0);
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
    const CustomTheme custom = sampleTheme(u"half"_s, 0.5);
    for (const auto& [colorRole, role, field] : mapping) {
        EXPECT_EQ(resolveColor(colorRole, light, nullptr), builtInColor(light, role));
        EXPECT_EQ(resolveColor(colorRole, light, &custom), (custom.*field).toRgba())
            << roleName(colorRole).toStdString() << ": the custom colour, opacity 0.5 kept";
    }
}

} // namespace
