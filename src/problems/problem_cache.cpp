#include "problems/problem_cache.h"

#include "workspace/app_state.h"

#include <algorithm>

int remainingCooldown(const std::optional<QDateTime>& lastFetchTime, const QDateTime& now) {
    if (!lastFetchTime)
        return 0;
    constexpr qint64 cooldownMs = cooldownSeconds * 1000;
    const qint64 elapsedMs = std::max<qint64>(0, lastFetchTime->msecsTo(now));
    const qint64 leftMs = cooldownMs - elapsedMs;
    if (leftMs <= 0)
        return 0;
    return int((leftMs + 999) / 1000);
}

int remainingCooldown(const AppState& state, const QDateTime& now) {
    return remainingCooldown(state.lastBaekjoonFetchTime(), now);
}

void recordProblemFetch(AppState& state, const ProblemResult& result, const QDateTime& now) {
    state.setLastBaekjoonFetchTime(now);
    if (const auto* problem = std::get_if<BaekjoonProblem>(&result))
        state.setCachedBaekjoonProblem(CachedBaekjoonProblem::make(*problem, now));
}

void applyProblemTestCases(AppState& state) {
    const std::optional<CachedBaekjoonProblem>& problem = state.cachedBaekjoonProblem();
    if (!problem)
        return;
    QList<TestCase> testCases;
    for (const ProblemSample& sample : problem->testCases) {
        TestCase testCase;
        testCase.input = sample.input;
        testCase.expectedOutput = sample.output;
        testCases.append(testCase);
    }
    if (testCases.isEmpty())
        testCases.append(TestCase{});
    state.setTestCases(testCases);
}
