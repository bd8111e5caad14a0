#include "problems/problem_session.h"
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

TEST(ProblemSession, AFinishedFetchStampsTheTimeAndOnlyASuccessReplacesTheProblem) {
    AppState state;
    ProblemSession session(state, CrawlerEndpoints::production());
    QSignalSpy problemChanged(&session, &ProblemSession::problemChanged);
    const QDateTime first = QDateTime::currentDateTime();
    session.recordFetch(problemWithSamples(2), first);
    ASSERT_TRUE(session.problem().has_value());
    EXPECT_EQ(session.problem()->fetchedAt, first);
    EXPECT_EQ(session.problem()->title, u"A+B"_s);
    EXPECT_EQ(session.problem()->tier, SolvedTier::bronze5);
    EXPECT_EQ(session.remainingCooldown(first.addMSecs(3200)), 7);

    const QDateTime later = first.addSecs(20);
    session.recordFetch(CrawlerError::httpError(404), later);
    EXPECT_EQ(session.lastFetchTime(), later);
    EXPECT_EQ(session.problem()->fetchedAt, first);
    EXPECT_EQ(problemChanged.count(), 1);

    state.resetData();
    EXPECT_TRUE(session.problem().has_value());
    state.resetAll();
    EXPECT_FALSE(session.problem().has_value());
    EXPECT_FALSE(session.lastFetchTime().has_value());
}

TEST(ProblemSession, ApplyingReplacesEveryTestCaseWithTheSamples) {
    AppState state;
    ProblemSession session(state, CrawlerEndpoints::production());
    for (int i = 0; i < 4; ++i)
        state.addTestCase();
    ASSERT_EQ(state.testCases().size(), 5);
    TestCase withResult = state.testCases().first();
    withResult.result = CaseResult{{VerdictKind::wrongAnswer}, u"old"_s, {}, 1, 1, 1};
    state.updateTestCase(withResult);

    session.applyTestCases();
    EXPECT_EQ(state.testCases().size(), 5) << "nothing happens without a cached problem";

    session.setProblem(CachedBaekjoonProblem::make(problemWithSamples(3)));
    session.applyTestCases();
    ASSERT_EQ(state.testCases().size(), 3);
    for (int i = 0; i < 3; ++i) {
        const TestCase& testCase = state.testCases()[i];
        EXPECT_EQ(testCase.input, u"in %1"_s.arg(i + 1));
        EXPECT_EQ(testCase.expectedOutput, u"out %1"_s.arg(i + 1));
        EXPECT_FALSE(testCase.result);
        EXPECT_NE(testCase.id, withResult.id);
    }
    EXPECT_NE(state.testCases()[0].id, state.testCases()[1].id);

    session.setProblem(CachedBaekjoonProblem::make(problemWithSamples(0)));
    session.applyTestCases();
    ASSERT_EQ(state.testCases().size(), 1);
    EXPECT_TRUE(state.testCases()[0].input.isEmpty());
    EXPECT_TRUE(state.testCases()[0].expectedOutput.isEmpty());
}

} // namespace
