#include "themes/share_code.h"

#include <algorithm>

namespace {

const QString prefix = QStringLiteral("PLUMETHEME:");

} // namespace

QString makeShareCode(const CustomTheme& theme) {
    const std::optional<QByteArray> json = encodeCustomTheme(theme);
    if (!json)
        return QStringLiteral("인코딩 실패");
    return prefix + QString::fromLatin1(json->toBase64());
}

std::variant<CustomTheme, QString> importShareCode(const QString& text,
                                                   const QList<CustomTheme>& existing) {
    const QString code = text.trimmed();
    if (!code.startsWith(prefix))
        return QStringLiteral("올바른 테마 코드가 아닙니다.\n'PLUMETHEME:'로 시작해야 합니다.");

    // Base64 must be exact: padded to whole quads, nothing outside the alphabet.
    const QString body = code.mid(prefix.size());
    const auto decoded =
        QByteArray::fromBase64Encoding(body.toUtf8(), QByteArray::AbortOnBase64DecodingErrors);
    if (body.size() % 4 != 0 || !decoded)
        return QStringLiteral("코드 디코딩에 실패했습니다.\n코드가 손상되었을 수 있습니다.");

    std::optional<CustomTheme> theme = decodeCustomTheme(*decoded);
    if (!theme)
        return QStringLiteral("테마 형식이 올바르지 않습니다.");

    theme->id = QUuid::createUuid();
    const bool nameTaken =
        std::any_of(existing.begin(), existing.end(),
                    [&](const CustomTheme& other) { return other.name == theme->name; });
    if (nameTaken)
        theme->name += QStringLiteral(" (복사본)");
    return *theme;
}
