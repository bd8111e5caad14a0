#include "support/printers.h"
#include "theme_test_support.h"
#include "themes/custom_theme.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QJsonObject sampleJson() {
    return customThemeToJson(sampleTheme(u"테마"_s));
}

TEST(CustomThemeJson, RoundTripsThroughSixteenKeysWithAnUpperCaseId) {
    const CustomTheme theme = sampleTheme(u"이름 \"quoted\"\n"_s, 0.25);
    const QJsonObject json = customThemeToJson(theme);
    EXPECT_EQ(json.size(), 16);
    EXPECT_EQ(json.value(u"id"_s).toString(), theme.id.toString(QUuid::WithoutBraces).toUpper());
    EXPECT_EQ(json.value(u"syntaxPreprocessor"_s).toObject().size(), 4);
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
        QJsonObject color = json.value(u"cursorColor"_s).toObject();
        color.remove(QString::fromUtf8(component));
        json.insert(u"cursorColor"_s, color);
        EXPECT_FALSE(customThemeFromJson(json)) << component;
    }
}

TEST(CustomThemeJson, WrongTypesAreRefusedAndUnknownKeysIgnored) {
    // A value set at the top level, or inside the colour `key` names when
    // `component` is given.
    const struct {
        const char* what;
        const char* key;
        const char* component;
        QJsonValue value;
        bool accepted;
    } cases[] = {
        {"id is a number", "id", nullptr, 12, false},
        {"id is not a uuid", "id", nullptr, u"not-a-uuid"_s, false},
        {"id in braces", "id", nullptr, u"{6F9619FF-8B86-D011-B42D-00C04FC964FF}"_s, false},
        {"lower-case id", "id", nullptr, u"6f9619ff-8b86-d011-b42d-00c04fc964ff"_s, true},
        {"name is null", "name", nullptr, QJsonValue(), false},
        {"name is a number", "name", nullptr, 3, false},
        {"empty name", "name", nullptr, QString(), true},
        {"colour is an array", "background", nullptr, QJsonArray{0, 0, 0, 1}, false},
        {"component is a string", "syntaxType", "blue", u"0.5"_s, false},
        {"component is a boolean", "syntaxType", "blue", true, false},
        {"component is an integer", "syntaxType", "blue", 1, true},
        {"unknown top-level key", "extra", nullptr, u"ignored"_s, true},
        {"unknown colour key", "syntaxType", "hue", 3, true},
    };
    for (const auto& c : cases) {
        QJsonObject json = sampleJson();
        const QString key = QString::fromUtf8(c.key);
        if (c.component) {
            QJsonObject color = json.value(key).toObject();
            color.insert(QString::fromUtf8(c.component), c.value);
            json.insert(key, color);
        } else {
            json.insert(key, c.value);
        }
        EXPECT_EQ(customThemeFromJson(json).has_value(), c.accepted) << c.what;
    }
}

TEST(CustomThemeJson, OneBadEntrySpoilsTheList) {
    const QList<CustomTheme> themes = {sampleTheme(u"a"_s), sampleTheme(u"b"_s)};
    const std::optional<QByteArray> bytes = encodeCustomThemes(themes);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(decodeCustomThemes(*bytes), themes);
    EXPECT_EQ(decodeCustomThemes("[]"), QList<CustomTheme>());

    QJsonArray array = QJsonDocument::fromJson(*bytes).array();
    QJsonObject second = array[1].toObject();
    second.remove(u"syntaxComment"_s);
    array[1] = second;
    EXPECT_FALSE(decodeCustomThemes(QJsonDocument(array).toJson()));
    for (const char* bad : {"", "{}", "[1]", "[null]", "[{}]", "not json"})
        EXPECT_FALSE(decodeCustomThemes(bad)) << bad;
}

TEST(CustomThemeJson, NonFiniteComponentsCannotBeEncoded) {
    CustomTheme theme = sampleTheme(u"x"_s);
    theme.currentLineHighlight.alpha = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(encodeCustomTheme(theme));
    EXPECT_FALSE(encodeCustomThemes({sampleTheme(u"ok"_s), theme}));
}

// A hand-edited 1.79e308 became an infinite QColor component.
TEST(CustomThemeColors, RegressionOutOfRangeComponentsAreHeldToTheUnitRangeWhenUsed) {
    const CodableColor stored{1.79e308, -4.0, std::numeric_limits<double>::quiet_NaN(), 0.5};
    EXPECT_EQ(stored.toRgba(), (Rgba{1.0, 0.0, 0.0, 0.5}));
    CustomTheme theme = sampleTheme(u"x"_s);
    theme.background = {1.79e308, -4.0, 0.25, 2.0};
    const std::optional<QByteArray> bytes = encodeCustomTheme(theme);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(decodeCustomTheme(*bytes), theme) << "the stored numbers stay as they are";
}

} // namespace
