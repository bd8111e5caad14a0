#include "support/printers.h"
#include "theme_test_support.h"
#include "themes/custom_theme.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

QJsonObject sampleJson() {
    return customThemeToJson(sampleTheme(QStringLiteral("테마")));
}

TEST(CustomThemeJson, RoundTripsThroughSixteenKeysWithAnUpperCaseId) {
    const CustomTheme theme = sampleTheme(QStringLiteral("이름 \"quoted\"\n"), 0.25);
    const QJsonObject json = customThemeToJson(theme);
    EXPECT_EQ(json.size(), 16);
    EXPECT_EQ(json.value(QStringLiteral("id")).toString(),
              theme.id.toString(QUuid::WithoutBraces).toUpper());
    EXPECT_EQ(json.value(QStringLiteral("syntaxPreprocessor")).toObject().size(), 4);
    const std::optional<QByteArray> bytes = encodeCustomTheme(theme);
    ASSERT_TRUE(bytes);
    EXPECT_FALSE(bytes->contains('\n')) << "compact form";
    EXPECT_EQ(decodeCustomTheme(*bytes), theme);
}

TEST(CustomThemeJson, EveryKeyIsRequired) {
    for (const QString& key : sampleJson().keys()) {
        QJsonObject json = sampleJson();
        json.remove(key);
        EXPECT_FALSE(customThemeFromJson(json)) << key.toStdString();
    }
    for (const char* component : {"red", "green", "blue", "alpha"}) {
        QJsonObject json = sampleJson();
        QJsonObject color = json.value(QStringLiteral("cursorColor")).toObject();
        color.remove(QString::fromUtf8(component));
        json.insert(QStringLiteral("cursorColor"), color);
        EXPECT_FALSE(customThemeFromJson(json)) << component;
    }
}

TEST(CustomThemeJson, WrongTypesAreRefusedAndUnknownKeysIgnored) {
    using Edit = std::function<void(QJsonObject&)>;
    auto setColorComponent = [](const QJsonValue& value) {
        return Edit([value](QJsonObject& json) {
            QJsonObject color = json.value(QStringLiteral("syntaxType")).toObject();
            color.insert(QStringLiteral("blue"), value);
            json.insert(QStringLiteral("syntaxType"), color);
        });
    };
    auto set = [](const char* key, const QJsonValue& value) {
        return Edit(
            [key, value](QJsonObject& json) { json.insert(QString::fromUtf8(key), value); });
    };
    const std::tuple<const char*, Edit, bool> cases[] = {
        {"id is a number", set("id", 12), false},
        {"id is not a uuid", set("id", QStringLiteral("not-a-uuid")), false},
        {"id in braces", set("id", QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}")),
         false},
        {"lower-case id", set("id", QStringLiteral("6f9619ff-8b86-d011-b42d-00c04fc964ff")), true},
        {"name is null", set("name", QJsonValue()), false},
        {"name is a number", set("name", 3), false},
        {"empty name", set("name", QString()), true},
        {"colour is an array", set("background", QJsonArray{0, 0, 0, 1}), false},
        {"component is a string", setColorComponent(QStringLiteral("0.5")), false},
        {"component is a boolean", setColorComponent(true), false},
        {"component is an integer", setColorComponent(1), true},
        {"unknown top-level key", set("extra", QStringLiteral("ignored")), true},
        {"unknown colour key", Edit([](QJsonObject& json) {
             QJsonObject color = json.value(QStringLiteral("syntaxType")).toObject();
             color.insert(QStringLiteral("hue"), 3);
             json.insert(QStringLiteral("syntaxType"), color);
         }),
         true},
    };
    for (const auto& [what, edit, accepted] : cases) {
        QJsonObject json = sampleJson();
        edit(json);
        EXPECT_EQ(customThemeFromJson(json).has_value(), accepted) << what;
    }
}

TEST(CustomThemeJson, OneBadEntrySpoilsTheList) {
    const QList<CustomTheme> themes = {sampleTheme(QStringLiteral("a")),
                                       sampleTheme(QStringLiteral("b"))};
    const std::optional<QByteArray> bytes = encodeCustomThemes(themes);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(decodeCustomThemes(*bytes), themes);
    EXPECT_EQ(decodeCustomThemes("[]"), QList<CustomTheme>());

    QJsonArray array = QJsonDocument::fromJson(*bytes).array();
    QJsonObject second = array[1].toObject();
    second.remove(QStringLiteral("syntaxComment"));
    array[1] = second;
    EXPECT_FALSE(decodeCustomThemes(QJsonDocument(array).toJson()));
    for (const char* bad : {"", "{}", "[1]", "[null]", "[{}]", "not json"})
        EXPECT_FALSE(decodeCustomThemes(bad)) << bad;
}

TEST(CustomThemeJson, NonFiniteComponentsCannotBeEncoded) {
    CustomTheme theme = sampleTheme(QStringLiteral("x"));
    theme.currentLineHighlight.alpha = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(encodeCustomTheme(theme));
    EXPECT_FALSE(encodeCustomThemes({sampleTheme(QStringLiteral("ok")), theme}));
}

} // namespace
