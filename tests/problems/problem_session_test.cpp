#include "problems/problem_session.h"
#include "support/printers.h"
#include "ui/window_context.h"

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
    WindowContext owners(CrawlerEndpoints::production());
    ProblemSession& session = owners.problems;
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

    owners.store.resetData();
    EXPECT_TRUE(session.problem().has_value());
    owners.store.resetAll();
    EXPECT_FALSE(session.problem().has_value());
    EXPECT_FALSE(session.lastFetchTime().has_value());
}

TEST(ProblemSession, ApplyingReplacesEveryTestCaseWithTheSamples) {
    WindowContext owners(CrawlerEndpoints::production());
    CaseBook& cases = owners.workspace.cases();
    ProblemSession& session = owners.problems;
    for (int i = 0; i < 4; ++i)
        cases.addTestCase();
    ASSERT_EQ(cases.testCases().size(), 5);
    TestCase withResult = cases.testCases().first();
    withResult.result = CaseResult{{VerdictKind::wrongAnswer}, u"old"_s, {}, 1, 1, 1};
    cases.updateTestCase(withResult);

    session.applyTestCases();
    EXPECT_EQ(cases.testCases().size(), 5) << "nothing happens without a cached problem";

    session.setProblem(CachedBaekjoonProblem::make(problemWithSamples(3)));
    session.applyTestCases();
    ASSERT_EQ(cases.testCases().size(), 3);
    for (int i = 0; i < 3; ++i) {
        const TestCase& testCase = cases.testCases()[i];
        EXPECT_EQ(testCase.input, u"in %1"_s.arg(i + 1));
        EXPECT_EQ(testCase.expectedOutput, u"out %1"_s.arg(i + 1));
        EXPECT_FALSE(testCase.result);
        EXPECT_NE(testCase.id, withResult.id);
    }
    EXPECT_NE(cases.testCases()[0].id, cases.testCases()[1].id);

    session.setProblem(CachedBaekjoonProblem::make(problemWithSamples(0)));
    session.applyTestCases();
    ASSERT_EQ(cases.testCases().size(), 1);
    EXPECT_TRUE(cases.testCases()[0].input.isEmpty());
    EXPECT_TRUE(cases.testCases()[0].expectedOutput.isEmpty());

    owners.workspace.createFile(u"1000.cpp"_s, ProgrammingLanguage::cpp);
    session.setProblem(CachedBaekjoonProblem::make(problemWithSamples(2)));
    session.applyTestCases();
    EXPECT_EQ(cases.testCases().size(), 2);
    EXPECT_EQ(cases.sharedList().cases.size(), 1) << "the selected file takes them as its own";
}

} // namespace
