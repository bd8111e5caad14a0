#include "editor/char_classes.h"

#include <QRegularExpression>
#include <QString>
#include <array>
#include <mutex>
#include <vector>

namespace {

constexpr char32_t planeSize = 0x10000;
constexpr int planeCount = 17;

// Every code point of a plane but the surrogates, in order.
QString planeText(int plane) {
    QString text;
    text.reserve(2 * qsizetype(planeSize));
    const char32_t first = char32_t(plane) * planeSize;
    for (char32_t c = first; c < first + planeSize; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        if (QChar::requiresSurrogates(c)) {
            const QChar units[2] = {QChar(QChar::highSurrogate(c)), QChar(QChar::lowSurrogate(c))};
            text.append(units, 2);
        } else {
            text.append(QChar(c));
        }
    }
    return text;
}

// Sets (or clears) `bit` for every code point inside the pattern's matches.
void markMatches(std::vector<std::uint8_t>& table, const QString& text, const QString& pattern,
                 bool set, std::uint8_t bit) {
    const QRegularExpression expression(pattern, QRegularExpression::UseUnicodePropertiesOption);
    auto matches = expression.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const qsizetype end = match.capturedEnd();
        for (qsizetype i = match.capturedStart(); i < end;) {
            qsizetype length = 0;
            const char32_t c = CharClass::codePointAt(text, i, length) % planeSize;
            if (set)
                table[c] |= bit;
            else
                table[c] &= std::uint8_t(~bit);
            i += length;
        }
    }
}

std::vector<std::uint8_t> buildPlane(int plane) {
    std::vector<std::uint8_t> table(planeSize, CharClass::lineEnd);
    const QString text = planeText(plane);
    markMatches(table, text, QStringLiteral("\\w+"), true, CharClass::word);
    markMatches(table, text, QStringLiteral("\\s+"), true, CharClass::space);
    markMatches(table, text, QStringLiteral("\\d+"), true, CharClass::digit);
    // The highlighter compiles every pattern under (*ANY); what "." skips
    // there ends a line.
    markMatches(table, text, QStringLiteral("(*ANY).+"), false, CharClass::lineEnd);
    if (plane == 0) {
        for (char32_t c = 0xD800; c <= 0xDFFF; ++c)
            table[c] = 0;
    }
    return table;
}

const std::vector<std::uint8_t>& plane(int index) {
    static std::array<std::once_flag, planeCount> built;
    static std::array<std::vector<std::uint8_t>, planeCount> planes;
    std::call_once(built[size_t(index)], [index] { planes[size_t(index)] = buildPlane(index); });
    return planes[size_t(index)];
}

} // namespace

const std::uint8_t* CharClass::basicPlane() {
    static const std::uint8_t* const table = plane(0).data();
    return table;
}

std::uint8_t CharClass::of(char32_t codePoint) {
    if (codePoint < planeSize)
        return basicPlane()[codePoint];
    return plane(int(codePoint / planeSize))[codePoint % planeSize];
}
