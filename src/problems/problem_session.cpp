#include "problems/problem_session.h"

#include "problems/problem_limits.h"
#include "workspace/case_book.h"

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

ProblemSession::ProblemSession(CaseBook& cases, const CrawlerEndpoints& endpoints, QObject* parent)
    : QObject(parent), m_cases(cases), m_crawler(endpoints) {}

void ProblemSession::forget() {
    setProblem(std::nullopt);
    setLastFetchTime(std::nullopt);
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
    CaseList list{testCases, m_cases.judgeChoice()};
    if (list.cases.isEmpty())
        list.cases.append(TestCase{});
    // The problem's limits judge its samples, as the judge would.
    list.judge.timeLimitMs =
        timeLimitMilliseconds(m_problem->timeLimit.value_or(QString())).value_or(0);
    list.judge.memoryLimitMb =
        memoryLimitMegabytes(m_problem->memoryLimit.value_or(QString())).value_or(0);
    if (const std::optional<QUuid>& file = m_cases.activeFile())
        m_cases.setOwnList(*file, list);
    else
        m_cases.setSharedList(list);
}
