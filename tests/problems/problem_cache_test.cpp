#include "problems/problem_cache.h"
#include "support/printers.h"
#include "workspace/app_state.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

BaekjoonProblem problemWithSamples(int count) {
    BaekjoonProblem problem;
    problem.number = u"1000"_s;
    problem.title = u"A+B"_s;
    problem.tier = SolvedTier::bronze5;
    for (int i = 1; i <= count; ++i)
        problem.testCases.append({u"in %1"_s.arg(i), u"out %1"_s.arg(i)});
    return problem;
}

TEST(Cooldown, CountsWholeSecondsUpFromTheLastFetch) {
    const QDateTime now = QDateTime::currentDateTime();
    // {milliseconds since the fetch, seconds left}; a clock set back after the
    // fetch never asks for more than the cooldown.
    const std::pair<qint64, int> cases[] = {{0, 10},    {1, 10},    {3200, 7},
                                            {9000, 1},  {9500, 1},  {9999, 1},
                                            {10000, 0}, {60000, 0}, {-5000, 10}};
    for (const auto& [agoMs, remaining] : cases)
        EXPECT_EQ(remainingCooldown(now.addMSecs(-agoMs), now), remaining) << agoMs;
    EXPECT_EQ(remainingCooldown(std::nullopt, now), 0);
}

TEST(ProblemCache, AFinishedFetchStampsTheTimeAndOnlyASuccessReplacesTheProblem) {
    AppState state;
    QSignalSpy problemChanged(&state, &AppState::cachedBaekjoonProblemChanged);
    const QDateTime first = QDateTime::currentDateTime();
    recordProblemFetch(state, problemWithSamples(2), first);
    ASSERT_TRUE(state.cachedBaekjoonProblem().has_value());
    EXPECT_EQ(state.cachedBaekjoonProblem()->fetchedAt, first);
    EXPECT_EQ(state.cachedBaekjoonProblem()->title, u"A+B"_s);
    EXPECT_EQ(state.cachedBaekjoonProblem()->tier, SolvedTier::bronze5);
    EXPECT_EQ(remainingCooldown(state, first.addMSecs(3200)), 7);

    const QDateTime later = first.addSecs(20);
    recordProblemFetch(state, CrawlerError::httpError(404), later);
    EXPECT_EQ(state.lastBaekjoonFetchTime(), later);
    EXPECT_EQ(state.cachedBaekjoonProblem()->fetchedAt, first);
    EXPECT_EQ(problemChanged.count(), 1);

    state.resetData();
    EXPECT_TRUE(state.cachedBaekjoonProblem().has_value());
    state.resetAll();
    EXPECT_FALSE(state.cachedBaekjoonProblem().has_value());
    EXPECT_FALSE(state.lastBaekjoonFetchTime().has_value());
}

TEST(ProblemCache, ApplyingReplacesEveryTestCaseWithTheSamples) {
    AppState state;
    for (int i = 0; i < 4; ++i)
        state.addTestCase();
    ASSERT_EQ(state.testCases().size(), 5);
    TestCase withResult = state.testCases().first();
    withResult.result = CaseResult{{VerdictKind::wrongAnswer}, u"old"_s, {}, 1, 1, 1};
    state.updateTestCase(withResult);

    applyProblemTestCases(state);
    EXPECT_EQ(state.testCases().size(), 5) << "nothing happens without a cached problem";

    state.setCachedBaekjoonProblem(CachedBaekjoonProblem::make(problemWithSamples(3)));
    applyProblemTestCases(state);
    ASSERT_EQ(state.testCases().size(), 3);
    for (int i = 0; i < 3; ++i) {
        const TestCase& testCase = state.testCases()[i];
        EXPECT_EQ(testCase.input, u"in %1"_s.arg(i + 1));
        EXPECT_EQ(testCase.expectedOutput, u"out %1"_s.arg(i + 1));
        EXPECT_FALSE(testCase.result);
        EXPECT_NE(testCase.id, withResult.id);
    }
    EXPECT_NE(state.testCases()[0].id, state.testCases()[1].id);

    state.setCachedBaekjoonProblem(CachedBaekjoonProblem::make(problemWithSamples(0)));
    applyProblemTestCases(state);
    ASSERT_EQ(state.testCases().size(), 1);
    EXPECT_TRUE(state.testCases()[0].input.isEmpty());
    EXPECT_TRUE(state.testCases()[0].expectedOutput.isEmpty());
}

} // namespace
