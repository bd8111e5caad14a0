#include "runner/stress_shrink.h"

#include <optional>
#include <utility>

namespace {

// Few enough that a value which passes costs only a handful of rounds.
constexpr quint64 probeSeeds = 3;
constexpr quint64 seedsPerPass = 16;

qint64 midpoint(qint64 low, qint64 high) {
    // Unsigned, so the widest range does not overflow.
    return qint64(quint64(low) + (quint64(high) - quint64(low)) / 2);
}

} // namespace

StressRound shrinkCounterexample(const StressRound& found,
                                 const QList<StressPattern::Range>& ranges,
                                 const StressRoundRunner& runRound,
                                 const std::function<bool()>& keepGoing) {
    StressRound smallest = found;
    StressRound current = found;
    const auto attempt = [&](quint64 seed, const QList<qint64>& values) {
        std::optional<StressRound> round;
        if (!keepGoing())
            return round;
        StressRound tried = runRound(seed, values);
        if (tried.outcome != StressRound::Outcome::counterexample)
            return round;
        if (isSmallerInput(tried.input, smallest.input))
            smallest = tried;
        round = std::move(tried);
        return round;
    };
    const auto probe = [&](const QList<qint64>& values) {
        std::optional<StressRound> round = attempt(current.seed, values);
        for (quint64 seed = 1; !round && seed <= probeSeeds; ++seed) {
            if (seed != current.seed)
                round = attempt(seed, values);
        }
        return round;
    };

    // The seed and values each range was last narrowed from; narrowing it
    // again from the same point would only repeat the same rounds.
    using Point = std::pair<quint64, QList<qint64>>;
    QList<std::optional<Point>> narrowedAt(ranges.size());
    std::optional<QList<qint64>> seededAt;
    bool moved = true;
    while (moved && keepGoing()) {
        moved = false;
        for (qsizetype i = 0; i < ranges.size() && keepGoing(); ++i) {
            if (narrowedAt[i] == Point(current.seed, current.values))
                continue;
            qint64 low = ranges[i].low;
            while (low < current.values[i] && keepGoing()) {
                QList<qint64> values = current.values;
                values[i] = midpoint(low, current.values[i] - 1);
                if (std::optional<StressRound> round = probe(values)) {
                    current = std::move(*round);
                    moved = true;
                } else {
                    low = values[i] + 1;
                }
            }
            narrowedAt[i] = Point(current.seed, current.values);
        }
        if (seededAt == current.values)
            continue;
        seededAt = current.values;
        for (quint64 seed = 1; seed <= seedsPerPass && keepGoing(); ++seed) {
            if (seed == current.seed)
                continue;
            const std::optional<StressRound> round = attempt(seed, current.values);
            if (round && isSmallerInput(round->input, current.input)) {
                current = *round;
                moved = true;
            }
        }
    }
    return smallest;
}
