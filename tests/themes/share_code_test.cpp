#include "support/printers.h"
#include "theme_test_support.h"
#include "themes/share_code.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

const QString prefixMessage =
    QStringLiteral("올바른 테마 코드가 아닙니다.\n'PLUMETHEME:'로 시작해야 합니다.");
const QString decodingMessage =
    QStringLiteral("코드 디코딩에 실패했습니다.\n코드가 손상되었을 수 있습니다.");
const QString formatMessage = QStringLiteral("테마 형식이 올바르지 않습니다.");

QString codeOf(const QByteArray& json) {
    return QStringLiteral("PLUMETHEME:") + QString::fromLatin1(json.toBase64());
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
    const CustomTheme theme = sampleTheme(QStringLiteral("공유"));
    const QString code = makeShareCode(theme);
    ASSERT_TRUE(code.startsWith(QStringLiteral("PLUMETHEME:")));
    const QByteArray payload = code.mid(11).toLatin1();
    EXPECT_FALSE(payload.contains('\n'));
    EXPECT_EQ(payload.size() % 4, 0);
    EXPECT_EQ(decodeCustomTheme(QByteArray::fromBase64(payload)), theme) << "id included";
}

TEST(ShareCode, ImportChangesOnlyTheIdAndAnExactlyTakenName) {
    const CustomTheme theme = sampleTheme(QStringLiteral("Ocean"), 0.5);
    const QString code = makeShareCode(theme);

    CustomTheme alone = imported(code);
    EXPECT_NE(alone.id, theme.id);
    EXPECT_FALSE(alone.id.isNull());
    alone.id = theme.id;
    EXPECT_EQ(alone, theme) << "every colour, alpha 0.5 included, and the name";

    const CustomTheme first = imported(code, {theme});
    EXPECT_EQ(first.name, QStringLiteral("Ocean (복사본)"));
    const CustomTheme second = imported(code, {theme, first});
    EXPECT_EQ(second.name, QStringLiteral("Ocean (복사본)")) << "the suffix is added once only";
    EXPECT_NE(second.id, first.id);

    // Only an exact collision counts; white space around the code is trimmed.
    for (const char* other : {"ocean", "Ocean ", "Ocean (복사본)"})
        EXPECT_EQ(imported(code, {sampleTheme(QString::fromUtf8(other))}).name,
                  QStringLiteral("Ocean"))
            << other;
    EXPECT_EQ(imported(QStringLiteral("  \n\t") + code + QStringLiteral("\r\n  ")).name,
              QStringLiteral("Ocean"));
}

TEST(ShareCode, EachFailureHasItsMessage) {
    const QString good = makeShareCode(sampleTheme(QStringLiteral("t")));
    const QString payload = good.mid(11);
    const std::pair<QString, QString> cases[] = {
        {QString(), prefixMessage},
        {QStringLiteral("   \n"), prefixMessage},
        {QStringLiteral("plumetheme:") + payload, prefixMessage},
        {QStringLiteral("THEME:") + payload, prefixMessage},
        {QStringLiteral("x") + good, prefixMessage},
        {QStringLiteral("PLUMETHEME:%%%"), decodingMessage},
        {QStringLiteral("PLUMETHEME:e30"), decodingMessage}, // unpadded "{}"
        {QStringLiteral("PLUMETHEME:e3 0="), decodingMessage},
        {good.left(40) + QStringLiteral("\n") + good.mid(40), decodingMessage},
        {QStringLiteral("PLUMETHEME:e-0="), decodingMessage}, // URL alphabet
        {QStringLiteral("PLUMETHEME:가나다라"), decodingMessage},
        {QStringLiteral("PLUMETHEME:"), formatMessage},
        {codeOf("{}"), formatMessage},
        {codeOf("[]"), formatMessage},
        {codeOf("not json"), formatMessage},
        {codeOf(encodeCustomThemes({sampleTheme(QStringLiteral("list"))}).value()), formatMessage},
    };
    for (const auto& [code, message] : cases) {
        auto result = importShareCode(code, {});
        ASSERT_TRUE(std::holds_alternative<QString>(result)) << code.toStdString();
        EXPECT_EQ(std::get<QString>(result), message) << code.toStdString();
    }
}

TEST(ShareCode, UnencodableThemeExportsTheFailureText) {
    CustomTheme theme = sampleTheme(QStringLiteral("t"));
    theme.syntaxString.red = std::numeric_limits<double>::infinity();
    EXPECT_EQ(makeShareCode(theme), QStringLiteral("인코딩 실패"));
    auto result = importShareCode(makeShareCode(theme), {});
    EXPECT_EQ(std::get<QString>(result), prefixMessage);
}

} // namespace
