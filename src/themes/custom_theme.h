#pragma once

#include "base/rgba.h"
#include "themes/editor_theme.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QUuid>
#include <optional>

// A colour as the custom-theme JSON stores it: "red", "green", "blue",
// "alpha", each normally 0.0 to 1.0.
struct CodableColor {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;

    // Each component held to 0.0 to 1.0 (NaN as 0.0).
    Rgba toRgba() const;

    bool operator==(const CodableColor&) const = default;
};

// A user-defined theme: a name and fourteen colours that replace the
// built-in roles while it is in force. Identified by id; equal when every
// field is equal.
struct CustomTheme {
    QUuid id;
    QString name;
    CodableColor background;
    CodableColor textColor;
    CodableColor lineNumberColor;
    CodableColor sidebarBackground;
    CodableColor cursorColor;
    // The current-line band; no built-in theme has one.
    CodableColor currentLineHighlight;
    CodableColor syntaxKeyword;
    CodableColor syntaxString;
    CodableColor syntaxComment;
    CodableColor syntaxFunction;
    CodableColor syntaxType;
    CodableColor syntaxNumber;
    CodableColor syntaxVariable;
    CodableColor syntaxPreprocessor;

    // The field that overrides a built-in role.
    const CodableColor& color(ThemeRole role) const;

    bool operator==(const CustomTheme&) const = default;
};

// JSON form: one object with exactly the sixteen field names as keys; the id
// in upper-case 36-character form. Reading requires every key with the right
// type (numbers for colour components, a UUID string for the id) and ignores
// unknown keys.
QJsonObject customThemeToJson(const CustomTheme& theme);
std::optional<CustomTheme> customThemeFromJson(const QJsonObject& object);

// Compact JSON bytes. Encoding fails (nullopt) when a component is not a
// finite number, which JSON cannot carry.
std::optional<QByteArray> encodeCustomTheme(const CustomTheme& theme);
std::optional<CustomTheme> decodeCustomTheme(const QByteArray& bytes);

// The stored list: a JSON array of theme objects. One malformed entry makes
// the whole list unreadable.
std::optional<QByteArray> encodeCustomThemes(const QList<CustomTheme>& themes);
std::optional<QList<CustomTheme>> decodeCustomThemes(const QByteArray& bytes);
