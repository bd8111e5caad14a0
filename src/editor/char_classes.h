#pragma once

#include <QStringView>
#include <cstdint>

// How the highlighter's regular-expression engine classifies each code point:
// \w, \s, \d (Unicode properties on) and the characters "." does not match.
// The tables are filled by asking that engine itself, the basic plane on first
// use and every other plane when one of its characters is first looked up
// (thread-safe), so the fast highlighter and the patterns cannot disagree.
namespace CharClass {

enum Bit : std::uint8_t { word = 1, space = 2, digit = 4, lineEnd = 8 };

// The basic multilingual plane, one entry per unit; surrogates are 0.
const std::uint8_t* basicPlane();
std::uint8_t of(char32_t codePoint);

// The code point starting at index i (i < size) and its length in units. A
// lone surrogate reads as U+FFFD, one unit.
inline char32_t codePointAt(QStringView text, qsizetype i, qsizetype& length) {
    const char16_t unit = text[i].unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
        QChar::isLowSurrogate(text[i + 1].unicode())) {
        length = 2;
        return QChar::surrogateToUcs4(unit, text[i + 1].unicode());
    }
    length = 1;
    return QChar::isSurrogate(unit) ? char32_t(0xFFFD) : char32_t(unit);
}

} // namespace CharClass
