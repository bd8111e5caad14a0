#include "themes/custom_theme.h"

#include "base/records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

using ColorField = CodableColor CustomTheme::*;

struct NamedField {
    const char16_t* key;
    ColorField field;
};

// The fourteen colour keys, in field order.
const std::array<NamedField, 14> colorFields = {{
    {u"background", &CustomTheme::background},
    {u"textColor", &CustomTheme::textColor},
    {u"lineNumberColor", &CustomTheme::lineNumberColor},
    {u"sidebarBackground", &CustomTheme::sidebarBackground},
    {u"cursorColor", &CustomTheme::cursorColor},
    {u"currentLineHighlight", &CustomTheme::currentLineHighlight},
    {u"syntaxKeyword", &CustomTheme::syntaxKeyword},
    {u"syntaxString", &CustomTheme::syntaxString},
    {u"syntaxComment", &CustomTheme::syntaxComment},
    {u"syntaxFunction", &CustomTheme::syntaxFunction},
    {u"syntaxType", &CustomTheme::syntaxType},
    {u"syntaxNumber", &CustomTheme::syntaxNumber},
    {u"syntaxVariable", &CustomTheme::syntaxVariable},
    {u"syntaxPreprocessor", &CustomTheme::syntaxPreprocessor},
}};

const std::array<const char16_t*, 4> componentKeys = {u"red", u"green", u"blue", u"alpha"};

QString key(const char16_t* text) {
    return QString::fromUtf16(text);
}

std::array<double*, 4> components(CodableColor& color) {
    return {&color.red, &color.green, &color.blue, &color.alpha};
}

std::array<double, 4> components(const CodableColor& color) {
    return {color.red, color.green, color.blue, color.alpha};
}

QJsonObject colorToJson(const CodableColor& color) {
    QJsonObject object;
    const auto values = components(color);
    for (std::size_t i = 0; i < componentKeys.size(); ++i)
        object.insert(key(componentKeys[i]), values[i]);
    return object;
}

std::optional<CodableColor> colorFromJson(const QJsonValue& value) {
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    CodableColor color;
    const auto targets = components(color);
    for (std::size_t i = 0; i < componentKeys.size(); ++i) {
        const QJsonValue component = object.value(key(componentKeys[i]));
        if (!component.isDouble())
            return std::nullopt;
        *targets[i] = component.toDouble();
    }
    return color;
}

bool isEncodable(const CustomTheme& theme) {
    for (const NamedField& entry : colorFields) {
        for (double value : components(theme.*entry.field)) {
            if (!std::isfinite(value))
                return false;
        }
    }
    return true;
}

} // namespace

Rgba CodableColor::toRgba() const {
    // A hand-edited or imported theme may hold any number; what is drawn
    // stays a colour, and the stored numbers are left as they are.
    const auto unit = [](double value) { return value >= 0 ? std::min(value, 1.0) : 0.0; };
    return {unit(red), unit(green), unit(blue), unit(alpha)};
}

const CodableColor& CustomTheme::color(ThemeRole role) const {
    switch (role) {
    case ThemeRole::background:
        return background;
    case ThemeRole::textColor:
        return textColor;
    case ThemeRole::lineNumberColor:
        return lineNumberColor;
    case ThemeRole::sidebarBackground:
        return sidebarBackground;
    case ThemeRole::cursorColor:
        return cursorColor;
    case ThemeRole::syntaxKeyword:
        return syntaxKeyword;
    case ThemeRole::syntaxString:
        return syntaxString;
    case ThemeRole::syntaxComment:
        return syntaxComment;
    case ThemeRole::syntaxFunction:
        return syntaxFunction;
    case ThemeRole::syntaxType:
        return syntaxType;
    case ThemeRole::syntaxNumber:
        return syntaxNumber;
    case ThemeRole::syntaxVariable:
        return syntaxVariable;
    case ThemeRole::syntaxPreprocessor:
        return syntaxPreprocessor;
    }
    return textColor;
}

QJsonObject customThemeToJson(const CustomTheme& theme) {
    QJsonObject object;
    object.insert(QStringLiteral("id"), uuidString(theme.id));
    object.insert(QStringLiteral("name"), theme.name);
    for (const NamedField& entry : colorFields)
        object.insert(key(entry.key), colorToJson(theme.*entry.field));
    return object;
}

std::optional<CustomTheme> customThemeFromJson(const QJsonObject& object) {
    const QJsonValue id = object.value(QStringLiteral("id"));
    const QJsonValue name = object.value(QStringLiteral("name"));
    if (!id.isString() || !name.isString())
        return std::nullopt;
    const std::optional<QUuid> uuid = parseUuid(id.toString());
    if (!uuid)
        return std::nullopt;
    CustomTheme theme;
    theme.id = *uuid;
    theme.name = name.toString();
    for (const NamedField& entry : colorFields) {
        const std::optional<CodableColor> color = colorFromJson(object.value(key(entry.key)));
        if (!color)
            return std::nullopt;
        theme.*entry.field = *color;
    }
    return theme;
}

std::optional<QByteArray> encodeCustomTheme(const CustomTheme& theme) {
    if (!isEncodable(theme))
        return std::nullopt;
    return QJsonDocument(customThemeToJson(theme)).toJson(QJsonDocument::Compact);
}

std::optional<CustomTheme> decodeCustomTheme(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return customThemeFromJson(document.object());
}

std::optional<QByteArray> encodeCustomThemes(const QList<CustomTheme>& themes) {
    QJsonArray array;
    for (const CustomTheme& theme : themes) {
        if (!isEncodable(theme))
            return std::nullopt;
        array.append(customThemeToJson(theme));
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

std::optional<QList<CustomTheme>> decodeCustomThemes(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<CustomTheme> themes;
    for (const QJsonValue& value : document.array()) {
        if (!value.isObject())
            return std::nullopt;
        std::optional<CustomTheme> theme = customThemeFromJson(value.toObject());
        if (!theme)
            return std::nullopt;
        themes.append(*theme);
    }
    return themes;
}
