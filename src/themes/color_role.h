#pragma once

#include <QString>

// The nine colours the highlighter paints with: plain text and the eight
// syntax roles. The editor resolver (themes/theme_resolver.h) turns a role into
// a colour; the highlighter's spans carry roles, never colours.
enum class ColorRole {
    plain,
    keyword,
    type,
    function,
    variable,
    number,
    string,
    comment,
    preprocessor
};

// Lower-case name as the command-line tool prints it ("plain", "keyword", ...).
inline QString roleName(ColorRole role) {
    switch (role) {
    case ColorRole::plain:
        return QStringLiteral("plain");
    case ColorRole::keyword:
        return QStringLiteral("keyword");
    case ColorRole::type:
        return QStringLiteral("type");
    case ColorRole::function:
        return QStringLiteral("function");
    case ColorRole::variable:
        return QStringLiteral("variable");
    case ColorRole::number:
        return QStringLiteral("number");
    case ColorRole::string:
        return QStringLiteral("string");
    case ColorRole::comment:
        return QStringLiteral("comment");
    case ColorRole::preprocessor:
        return QStringLiteral("preprocessor");
    }
    return {};
}
