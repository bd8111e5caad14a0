#include "runner/stress_pattern.h"

#include <random>

using namespace Qt::StringLiterals;

namespace {

QString errorAt(qsizetype index, const QString& problem) {
    return QString::number(index + 1) + u"번째 글자: "_s + problem;
}

std::optional<qint64> parseBound(QStringView text) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

std::optional<StressPattern> StressPattern::parse(const QString& text, QString* error) {
    StressPattern pattern;
    QList<Piece> word;
    QString literal;
    const auto endWord = [&] {
        if (!literal.isEmpty() || !word.isEmpty())
            word.append({literal, -1});
        if (!word.isEmpty())
            pattern.m_words.append(word);
        word.clear();
        literal.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isSpace()) {
            endWord();
        } else if (c == u']') {
            *error = errorAt(i, u"여는 [ 없이 ]가 나왔습니다"_s);
            return std::nullopt;
        } else if (c != u'[') {
            literal.append(c);
        } else {
            const qsizetype close = text.indexOf(u']', i + 1);
            const qsizetype nextOpen = text.indexOf(u'[', i + 1);
            if (close < 0 || (nextOpen >= 0 && nextOpen < close)) {
                *error = errorAt(i, u"[에 짝이 되는 ]가 없습니다"_s);
                return std::nullopt;
            }
            const QStringView inside = QStringView(text).sliced(i + 1, close - i - 1);
            const qsizetype dots = inside.indexOf(u".."_s);
            if (dots < 0) {
                *error = errorAt(i, u"범위는 [작은 수..큰 수] 꼴로 씁니다"_s);
                return std::nullopt;
            }
            const std::optional<qint64> low = parseBound(inside.first(dots));
            const std::optional<qint64> high = parseBound(inside.sliced(dots + 2));
            if (!low || !high) {
                *error = errorAt(i, u"범위의 양 끝은 64비트 정수여야 합니다: ["_s +
                                        inside.toString() + u']');
                return std::nullopt;
            }
            if (*low > *high) {
                *error = errorAt(i, u"범위의 시작이 끝보다 큽니다: ["_s + inside.toString() + u']');
                return std::nullopt;
            }
            word.append({literal, int(pattern.m_ranges.size())});
            literal.clear();
            pattern.m_ranges.append({*low, *high});
            i = close;
        }
    }
    endWord();
    return pattern;
}

QList<qint64> StressPattern::draw(quint64 seed) const {
    std::mt19937_64 engine(seed);
    QList<qint64> values;
    for (const Range& range : m_ranges)
        values.append(std::uniform_int_distribution<qint64>(range.low, range.high)(engine));
    return values;
}

QStringList StressPattern::arguments(const QList<qint64>& values) const {
    QStringList arguments;
    for (const QList<Piece>& word : m_words) {
        QString argument;
        for (const Piece& piece : word) {
            argument += piece.literal;
            if (piece.range >= 0)
                argument += QString::number(values.value(piece.range));
        }
        arguments.append(argument);
    }
    return arguments;
}
