#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

// The arguments a stress generator gets after its seed, as the user writes
// them: words separated by blanks, each passed as written, except that
// `[LOW..HIGH]` inside a word stands for a whole number drawn anew every round
// from LOW to HIGH inclusive (64-bit; either end may be negative). So
// `10 [1..100] n=[0..9]` gives "10", then say "57" and "n=3". There is no
// quoting: a word never holds a blank, and a word may not hold a bracket
// other than a range's.
class StressPattern {
public:
    struct Range {
        qint64 low = 0;
        qint64 high = 0;

        bool operator==(const Range&) const = default;
    };

    // Nothing for a bad pattern, with `error` saying what is wrong and where.
    static std::optional<StressPattern> parse(const QString& text, QString* error);

    const QList<Range>& ranges() const { return m_ranges; }
    // One value per range; a seed always gives the same values.
    QList<qint64> draw(quint64 seed) const;
    // The words with `values`, one per range in order, in place of the ranges.
    QStringList arguments(const QList<qint64>& values) const;

private:
    // A word is literal text with ranges in between: `range` is the index of
    // the range that follows `literal`, or -1 at the word's end.
    struct Piece {
        QString literal;
        int range = -1;
    };

    QList<QList<Piece>> m_words;
    QList<Range> m_ranges;
};
