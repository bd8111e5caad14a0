#include "themes/editor_theme.h"

#include "base/resource_data.h"

#include <QJsonArray>
#include <QJsonObject>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// Indexed by ThemeRole.
constexpr std::array<const char16_t*, 13> roleKeys = {
    u"background",    u"textColor",      u"lineNumberColor",   u"sidebarBackground", u"cursorColor",
    u"syntaxKeyword", u"syntaxString",   u"syntaxComment",     u"syntaxFunction",    u"syntaxType",
    u"syntaxNumber",  u"syntaxVariable", u"syntaxPreprocessor"};

using Palette = std::array<Rgba, roleKeys.size()>;

// data/<raw value in lower case, spaces as hyphens>.json: each role's red,
// green and blue from 0 to 1.
Palette readPalette(EditorTheme theme) {
    const QString path =
        u":/themes/"_s + rawValue(theme).toLower().replace(u' ', u'-') + u".json"_s;
    const QJsonObject colors = resourceJson(path).object();
    Palette palette;
    for (ThemeRole role : allThemeRoles()) {
        const QJsonArray components = colors.value(themeRoleKey(role)).toArray();
        if (components.size() != 3)
            qWarning("%s: %s is not three components", qPrintable(path),
                     qPrintable(themeRoleKey(role)));
        palette[static_cast<std::size_t>(role)] = Rgba{
            components.at(0).toDouble(), components.at(1).toDouble(), components.at(2).toDouble()};
    }
    return palette;
}

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

const QList<ThemeRole>& allThemeRoles() {
    static const QList<ThemeRole> all = [] {
        QList<ThemeRole> roles;
        for (std::size_t i = 0; i < roleKeys.size(); ++i)
            roles.append(ThemeRole(i));
        return roles;
    }();
    return all;
}

QString themeRoleKey(ThemeRole role) {
    return QString::fromUtf16(roleKeys[static_cast<std::size_t>(role)]);
}

Rgba builtInColor(EditorTheme theme, ThemeRole role) {
    static const auto palettes = [] {
        std::array<Palette, 8> all;
        for (EditorTheme each : allEditorThemes())
            all[static_cast<std::size_t>(each)] = readPalette(each);
        return all;
    }();
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
