#include "support/printers.h"
#include "theme_test_support.h"
#include "themes/share_code.h"

#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

const QString prefixMessage = u"올바른 테마 코드가 아닙니다.\n'PLUMETHEME:'로 시작해야 합니다."_s;
const QString decodingMessage = u"코드 디코딩에 실패했습니다.\n코드가 손상되었을 수 있습니다."_s;
const QString formatMessage = u"테마 형식이 올바르지 않습니다."_s;

QString codeOf(const QByteArray& json) {
    return u"PLUMETHEME:"_s + QString::fromLatin1(json.toBase64());
}

CustomTheme imported(const QString& code, const QList<CustomTheme>& existing = {}) {
    auto result = importShareCode(code, existing);
    if (const QString* message = std::get_if<QString>(&result)) {
        ADD_FAILURE() << "refused: " << message->toStdString();
        return {};
    }
    return std::get<CustomTheme>(result);
}

TEST(ShareCode, IsThePrefixAndBase64OfTheJson) {
    const CustomTheme theme = sampleTheme(u"공유"_s);
    const QString code = makeShareCode(theme);
    ASSERT_TRUE(code.startsWith(u"PLUMETHEME:"_s));
    const QByteArray payload = code.mid(11).toLatin1();
    EXPECT_FALSE(payload.contains('\n'));
    EXPECT_EQ(payload.size() % 4, 0);
    EXPECT_EQ(decodeCustomTheme(QByteArray::fromBase64(payload)), theme) << "id included";
}

TEST(ShareCode, ImportChangesOnlyTheIdAndAnExactlyTakenName) {
    const CustomTheme theme = sampleTheme(u"Ocean"_s, 0.5);
    const QString code = makeShareCode(theme);

    CustomTheme alone = imported(code);
    EXPECT_NE(alone.id, theme.id);
    EXPECT_FALSE(alone.id.isNull());
    alone.id = theme.id;
    EXPECT_EQ(alone, theme) << "every colour, alpha 0.5 included, and the name";

    const CustomTheme first = imported(code, {theme});
    EXPECT_EQ(first.name, u"Ocean (복사본)"_s);
    const CustomTheme second = imported(code, {theme, first});
    EXPECT_EQ(second.name, u"Ocean (복사본)"_s) << "the suffix is added once only";
    EXPECT_NE(second.id, first.id);

    // Only an exact collision counts; white space around the code is trimmed.
    for (const char* other : {"ocean", "Ocean ", "Ocean (복사본)"})
        EXPECT_EQ(imported(code, {sampleTheme(QString::fromUtf8(other))}).name, u"Ocean"_s)
            << other;
    EXPECT_EQ(imported(u"  \n\t"_s + code + u"\r\n  "_s).name, u"Ocean"_s);
}

TEST(ShareCode, EachFailureHasItsMessage) {
    const QString good = makeShareCode(sampleTheme(u"t"_s));
    const QString payload = good.mid(11);
    const std::pair<QString, QString> cases[] = {
        {QString(), prefixMessage},
        {u"plumetheme:"_s + payload, prefixMessage},
        {u"PLUMETHEME:%%%"_s, decodingMessage},
        {u"PLUMETHEME:e30"_s, decodingMessage}, // unpadded "{}"
        {u"PLUMETHEME:e3 0="_s, decodingMessage},
        {good.left(40) + u"\n"_s + good.mid(40), decodingMessage},
        {u"PLUMETHEME:e-0="_s, decodingMessage}, // URL alphabet
        {u"PLUMETHEME:"_s, formatMessage},
        {codeOf("{}"), formatMessage},
        {codeOf("not json"), formatMessage},
        {codeOf(encodeCustomThemes({sampleTheme(u"list"_s)}).value()), formatMessage},
    };
    for (const auto& [code, message] : cases) {
        auto result = importShareCode(code, {});
        ASSERT_TRUE(std::holds_alternative<QString>(result)) << code.toStdString();
        EXPECT_EQ(std::get<QString>(result), message) << code.toStdString();
    }
}

TEST(ShareCode, UnencodableThemeExportsTheFailureText) {
    CustomTheme theme = sampleTheme(u"t"_s);
    theme.syntaxString.red = std::numeric_limits<double>::infinity();
    EXPECT_EQ(makeShareCode(theme), u"인코딩 실패"_s);
    auto result = importShareCode(makeShareCode(theme), {});
    EXPECT_EQ(std::get<QString>(result), prefixMessage);
}

} // namespace
