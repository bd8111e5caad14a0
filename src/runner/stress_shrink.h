#pragma once

#include "runner/stress_pattern.h"
#include "runner/stress_round.h"

#include <QList>
#include <functional>

// Runs one round of the generator with a seed and the pattern's values.
using StressRoundRunner = std::function<StressRound(quint64 seed, const QList<qint64>& values)>;

// Looks for a smaller counterexample than `found` while `keepGoing` says so.
// Each range of the pattern is narrowed towards its low end in turn (a
// bisection on its value, the others held), every value tried with the seed
// that failed last and then a few small seeds; then small seeds are tried
// with the values reached, smaller seeds first. This repeats while it gets
// anywhere. A range whose failures are reachable by narrowing ends at its
// smallest failing value. Returns the counterexample with the smallest input
// seen (isSmallerInput), `found` when none was smaller.
StressRound shrinkCounterexample(const StressRound& found,
                                 const QList<StressPattern::Range>& ranges,
                                 const StressRoundRunner& runRound,
                                 const std::function<bool()>& keepGoing);
