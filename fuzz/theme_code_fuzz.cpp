// Theme codes and the stored theme list: any text is refused with a message
// or gives a theme that exports and imports again to itself, and every
// colour in use lies within 0 to 1 whatever the numbers stored.

#include "fuzz_check.h"
#include "themes/share_code.h"

#include <QJsonObject>
#include <cstdint>

namespace {

bool isUnit(double value) {
    return value >= 0.0 && value <= 1.0;
}

void checkColoursInUse(const CustomTheme& theme) {
    for (const QJsonValue& value : customThemeToJson(theme)) {
        if (!value.isObject())
            continue;
        const QJsonObject stored = value.toObject();
        const CodableColor color{stored.value(QStringLiteral("red")).toDouble(),
                                 stored.value(QStringLiteral("green")).toDouble(),
                                 stored.value(QStringLiteral("blue")).toDouble(),
                                 stored.value(QStringLiteral("alpha")).toDouble()};
        const Rgba used = color.toRgba();
        FUZZ_CHECK(isUnit(used.red) && isUnit(used.green) && isUnit(used.blue) &&
                   isUnit(used.alpha));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const auto imported = importShareCode(QString::fromUtf8(bytes), {});
    if (const CustomTheme* theme = std::get_if<CustomTheme>(&imported)) {
        checkColoursInUse(*theme);
        const auto again = importShareCode(makeShareCode(*theme), {*theme});
        FUZZ_CHECK(std::holds_alternative<CustomTheme>(again));
        CustomTheme copy = std::get<CustomTheme>(again);
        FUZZ_CHECK(copy.name == theme->name + QStringLiteral(" (복사본)"));
        copy.id = theme->id;
        copy.name = theme->name;
        FUZZ_CHECK(copy == *theme);
    } else {
        FUZZ_CHECK(!std::get<QString>(imported).isEmpty());
    }

    if (const auto themes = decodeCustomThemes(bytes)) {
        for (const CustomTheme& theme : *themes)
            checkColoursInUse(theme);
        const auto encoded = encodeCustomThemes(*themes);
        FUZZ_CHECK(encoded.has_value());
        FUZZ_CHECK(decodeCustomThemes(*encoded) == themes);
    }
    return 0;
}
