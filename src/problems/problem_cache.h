#pragma once

#include "base/baekjoon_problem.h"

#include <QDateTime>
#include <optional>

class AppState;

// The ten seconds that must pass after a page fetch has finished (whether it
// succeeded or not) before the next one may start.
constexpr int cooldownSeconds = 10;

// Whole seconds left, rounded up; 0 when a fetch is allowed. A last fetch
// time in the future (the clock was set back) counts as just now, so the
// wait never exceeds the cooldown.
int remainingCooldown(const std::optional<QDateTime>& lastFetchTime,
                      const QDateTime& now = QDateTime::currentDateTime());
int remainingCooldown(const AppState& state, const QDateTime& now = QDateTime::currentDateTime());

// What the problem tab does when a page fetch finishes: the fetch time is
// stamped first, then a problem replaces the cached one; a failure leaves
// the cached problem as it was.
void recordProblemFetch(AppState& state, const ProblemResult& result,
                        const QDateTime& now = QDateTime::currentDateTime());

// Replaces every test case by the cached problem's samples, or by one empty
// case when it has none. Nothing happens without a cached problem.
void applyProblemTestCases(AppState& state);
