#include "problems/problem_session.h"

#include "problems/problem_limits.h"
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

ProblemSession::ProblemSession(AppState& state, const CrawlerEndpoints& endpoints, QObject* parent)
    : QObject(parent), m_state(state), m_crawler(endpoints) {
    connect(&m_state, &AppState::everythingReset, this, [this] {
        setProblem(std::nullopt);
        setLastFetchTime(std::nullopt);
    });
}

int ProblemSession::remainingCooldown(const QDateTime& now) const {
    return ::remainingCooldown(m_lastFetchTime, now);
}

void ProblemSession::setProblem(const std::optional<CachedBaekjoonProblem>& problem) {
    if (m_problem == problem)
        return;
    m_problem = problem;
    emit problemChanged();
}

void ProblemSession::setLastFetchTime(const std::optional<QDateTime>& time) {
    if (m_lastFetchTime == time)
        return;
    m_lastFetchTime = time;
    emit lastFetchTimeChanged();
}

void ProblemSession::recordFetch(const ProblemResult& result, const QDateTime& now) {
    setLastFetchTime(now);
    if (const auto* problem = std::get_if<BaekjoonProblem>(&result))
        setProblem(CachedBaekjoonProblem::make(*problem, now));
}

void ProblemSession::applyTestCases() {
    if (!m_problem)
        return;
    QList<TestCase> testCases;
    for (const ProblemSample& sample : m_problem->testCases) {
        TestCase testCase;
        testCase.input = sample.input;
        testCase.expectedOutput = sample.output;
        testCases.append(testCase);
    }
    if (testCases.isEmpty())
        testCases.append(TestCase{});
    m_state.setTestCases(testCases);
    // The problem's limits judge its samples, as the judge would.
    JudgeChoice choice = m_state.judgeChoice();
    choice.timeLimitMs =
        timeLimitMilliseconds(m_problem->timeLimit.value_or(QString())).value_or(0);
    choice.memoryLimitMb =
        memoryLimitMegabytes(m_problem->memoryLimit.value_or(QString())).value_or(0);
    m_state.setJudgeChoice(choice);
}
