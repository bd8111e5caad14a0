#include "runner/comparison.h"

#include "runner/run_report.h"

#include <QLocale>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

using Verdict = CheckResult::Verdict;

// How much of a differing word or line a message quotes.
constexpr qsizetype quoteLimit = 40;

constexpr std::array<bool, 256> whiteSpaceTable() {
    std::array<bool, 256> table{};
    for (const unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'})
        table[c] = true;
    return table;
}
constexpr std::array<bool, 256> isWhiteSpace = whiteSpaceTable();

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QString quoted(QByteArrayView text) {
    const bool cut = text.size() > quoteLimit;
    return u'"' + QString::fromUtf8(text.first(cut ? quoteLimit : text.size())) +
           (cut ? u"…\""_s : u"\""_s);
}

CheckResult accepted() {
    return {Verdict::accepted, 0, {}};
}

CheckResult wrongAnswer(const QString& message) {
    return {Verdict::wrongAnswer, 0, message};
}

qsizetype lineNumberAt(QByteArrayView text, qsizetype offset) {
    return text.first(offset).count('\n') + 1;
}

CheckResult compareExact(QByteArrayView output, QByteArrayView expected) {
    if (output == expected)
        return accepted();
    qsizetype same = 0;
    const qsizetype shorter = std::min(output.size(), expected.size());
    while (same < shorter && output[same] == expected[same])
        ++same;
    return wrongAnswer(QString::number(lineNumberAt(output, same)) + u"번째 줄에서 다릅니다"_s);
}

// The lines of a text as the lines mode sees them: \r\n, \r and \n end a
// line, blanks are trimmed from each.
class LineReader {
public:
    explicit LineReader(QByteArrayView text)
        : m_text(text),
          m_hasReturns(!text.isEmpty() && std::memchr(text.data(), '\r', size_t(text.size()))) {}

    bool atEnd() const { return m_position > m_text.size(); }
    qsizetype lineNumber() const { return m_lineNumber; }

    QByteArrayView next() {
        const qsizetype size = m_text.size();
        qsizetype end = size;
        if (!m_hasReturns) {
            const void* newline = m_position < size ? std::memchr(m_text.data() + m_position, '\n',
                                                                  size_t(size - m_position))
                                                    : nullptr;
            if (newline)
                end = static_cast<const char*>(newline) - m_text.data();
        } else {
            end = m_position;
            while (end < size && m_text[end] != '\n' && m_text[end] != '\r')
                ++end;
        }
        qsizetype begin = m_position;
        m_position = end + 1;
        if (end + 1 < size && m_text[end] == '\r' && m_text[end + 1] == '\n')
            ++m_position;
        ++m_lineNumber;
        while (begin < end && isBlank(m_text[begin]))
            ++begin;
        while (end > begin && isBlank(m_text[end - 1]))
            --end;
        return m_text.sliced(begin, end - begin);
    }

    // Skips empty lines; false at the end of the text.
    bool skipEmptyLines() {
        while (!atEnd()) {
            const qsizetype before = m_position;
            const qsizetype number = m_lineNumber;
            if (!next().isEmpty()) {
                m_position = before;
                m_lineNumber = number;
                return true;
            }
        }
        return false;
    }

private:
    QByteArrayView m_text;
    bool m_hasReturns;
    qsizetype m_position = 0;
    qsizetype m_lineNumber = 0;
};

// Bytes the fast line comparison does not model: anything beyond ASCII
// (Unicode blanks, canonically equivalent forms) and the page breaks that
// only the whole text's ends trim. Eight bytes at a time.
bool needsFullRule(QByteArrayView text) {
    constexpr quint64 ones = 0x0101010101010101;
    constexpr quint64 highBits = 0x8080808080808080;
    const auto hasZeroByte = [](quint64 word) { return (word - ones) & ~word & highBits; };
    const auto special = [&](quint64 word) {
        return (word & highBits) || hasZeroByte(word ^ (ones * '\v')) ||
               hasZeroByte(word ^ (ones * '\f'));
    };
    qsizetype i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        quint64 word;
        std::memcpy(&word, text.data() + i, sizeof word);
        if (special(word))
            return true;
    }
    quint64 tail = 0;
    if (i < text.size())
        std::memcpy(&tail, text.data() + i, size_t(text.size() - i));
    return special(tail);
}

CheckResult compareLines(QByteArrayView output, QByteArrayView expected) {
    if (needsFullRule(output) || needsFullRule(expected)) {
        const QString normalizedOutput = normalizeOutput(QString::fromUtf8(output));
        const QString normalizedExpected = normalizeOutput(QString::fromUtf8(expected));
        if (normalizedOutput.normalized(QString::NormalizationForm_C) ==
            normalizedExpected.normalized(QString::NormalizationForm_C))
            return accepted();
        return wrongAnswer(u"출력이 기대와 다릅니다"_s);
    }
    LineReader got(output);
    LineReader want(expected);
    // Empty lines at the start count for nothing; in the middle they do.
    bool outputLeft = got.skipEmptyLines();
    bool expectedLeft = want.skipEmptyLines();
    while (outputLeft && expectedLeft) {
        const QByteArrayView line = got.next();
        const QByteArrayView wanted = want.next();
        if (line != wanted) {
            return wrongAnswer(QString::number(got.lineNumber()) + u"번째 줄: 기대 "_s +
                               quoted(wanted) + u", 출력 "_s + quoted(line));
        }
        outputLeft = !got.atEnd();
        expectedLeft = !want.atEnd();
    }
    // Whatever is left must be empty lines at the end.
    if (got.skipEmptyLines()) {
        return wrongAnswer(u"출력이 기대보다 깁니다 ("_s + QString::number(got.lineNumber() + 1) +
                           u"번째 줄부터 남음)"_s);
    }
    if (want.skipEmptyLines()) {
        return wrongAnswer(u"출력이 기대보다 짧습니다 ("_s + QString::number(got.lineNumber()) +
                           u"번째 줄에서 끝남)"_s);
    }
    return accepted();
}

class TokenReader {
public:
    explicit TokenReader(QByteArrayView text)
        : m_position(text.data()), m_end(text.data() + text.size()) {}

    qsizetype count() const { return m_count; }

    // Empty at the end of the text.
    QByteArrayView next() {
        while (m_position != m_end && isWhiteSpace[static_cast<unsigned char>(*m_position)])
            ++m_position;
        const char* begin = m_position;
        while (m_position != m_end && !isWhiteSpace[static_cast<unsigned char>(*m_position)])
            ++m_position;
        if (m_position != begin)
            ++m_count;
        return QByteArrayView(begin, m_position);
    }

private:
    const char* m_position;
    const char* m_end;
    qsizetype m_count = 0;
};

std::optional<double> number(QByteArrayView token) {
    if (token.startsWith('+'))
        token = token.sliced(1);
    double value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return value;
}

bool withinTolerance(QByteArrayView token, QByteArrayView wanted, double tolerance) {
    const std::optional<double> value = number(token);
    const std::optional<double> target = number(wanted);
    if (!value || !target)
        return false;
    return *value == *target ||
           std::fabs(*value - *target) <= tolerance * std::max(1.0, std::fabs(*target));
}

CheckResult compareTokens(QByteArrayView output, QByteArrayView expected,
                          std::optional<double> tolerance) {
    TokenReader got(output);
    TokenReader want(expected);
    for (;;) {
        const QByteArrayView token = got.next();
        const QByteArrayView wanted = want.next();
        if (token.isEmpty() && wanted.isEmpty())
            return accepted();
        if (wanted.isEmpty())
            return wrongAnswer(u"출력이 기대보다 깁니다 (남는 토큰 "_s + quoted(token) + u")"_s);
        if (token.isEmpty()) {
            return wrongAnswer(u"출력이 기대보다 짧습니다 ("_s + QString::number(want.count()) +
                               u"번째 토큰 "_s + quoted(wanted) + u" 없음)"_s);
        }
        if (token != wanted && !(tolerance && withinTolerance(token, wanted, *tolerance))) {
            return wrongAnswer(QString::number(got.count()) + u"번째 토큰: 기대 "_s +
                               quoted(wanted) + u", 출력 "_s + quoted(token));
        }
    }
}

} // namespace

QString ComparisonMode::name() const {
    switch (kind) {
    case Kind::exact:
        return u"exact"_s;
    case Kind::lines:
        return u"lines"_s;
    case Kind::tokens:
        return u"tokens"_s;
    case Kind::floating:
        if (tolerance == defaultTolerance)
            return u"float"_s;
        return u"float:"_s + QString::number(tolerance, 'g', QLocale::FloatingPointShortest);
    }
    return {};
}

std::optional<ComparisonMode> ComparisonMode::fromName(const QString& name) {
    for (const Kind kind : {Kind::exact, Kind::lines, Kind::tokens, Kind::floating}) {
        if (name == ComparisonMode{kind}.name())
            return ComparisonMode{kind};
    }
    const QString prefix = u"float:"_s;
    if (!name.startsWith(prefix))
        return std::nullopt;
    bool ok = false;
    const double tolerance = name.sliced(prefix.size()).toDouble(&ok);
    if (!ok || !std::isfinite(tolerance) || tolerance < 0)
        return std::nullopt;
    return ComparisonMode{Kind::floating, tolerance};
}

QString ComparisonMode::label() const {
    switch (kind) {
    case Kind::exact:
        return u"정확히 일치"_s;
    case Kind::lines:
        return u"줄 끝 공백 무시"_s;
    case Kind::tokens:
        return u"공백 무시 (토큰 비교)"_s;
    case Kind::floating:
        return u"실수 오차 허용 ("_s +
               QString::number(tolerance, 'g', QLocale::FloatingPointShortest) + u")"_s;
    }
    return {};
}

CheckResult compareOutputs(const ComparisonMode& mode, QByteArrayView output,
                           QByteArrayView expected) {
    switch (mode.kind) {
    case ComparisonMode::Kind::exact:
        return compareExact(output, expected);
    case ComparisonMode::Kind::lines:
        return compareLines(output, expected);
    case ComparisonMode::Kind::tokens:
        return compareTokens(output, expected, std::nullopt);
    case ComparisonMode::Kind::floating:
        return compareTokens(output, expected, mode.tolerance);
    }
    return {};
}
