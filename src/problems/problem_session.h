#pragma once

#include "problems/baekjoon_crawler.h"
#include "problems/baekjoon_problem.h"

#include <QDateTime>
#include <QObject>
#include <optional>

class CaseBook;

// The ten seconds that must pass after a page fetch has finished (whether it
// succeeded or not) before the next one may start.
constexpr int cooldownSeconds = 10;

// Whole seconds left, rounded up; 0 when a fetch is allowed. A last fetch
// time in the future (the clock was set back) counts as just now, so the
// wait never exceeds the cooldown.
int remainingCooldown(const std::optional<QDateTime>& lastFetchTime,
                      const QDateTime& now = QDateTime::currentDateTime());

// The window's judge problem: the crawler, the last problem fetched
// successfully and when the last page fetch finished. Never saved; a full
// reset forgets both.
class ProblemSession : public QObject {
    Q_OBJECT

public:
    explicit ProblemSession(CaseBook& cases,
                            const CrawlerEndpoints& endpoints = CrawlerEndpoints::fromEnvironment(),
                            QObject* parent = nullptr);

    BaekjoonCrawler& crawler() { return m_crawler; }
    const std::optional<CachedBaekjoonProblem>& problem() const { return m_problem; }
    const std::optional<QDateTime>& lastFetchTime() const { return m_lastFetchTime; }
    int remainingCooldown(const QDateTime& now = QDateTime::currentDateTime()) const;

    void setProblem(const std::optional<CachedBaekjoonProblem>& problem);
    void setLastFetchTime(const std::optional<QDateTime>& time);
    // A page fetch finished: the time is stamped first, then a problem
    // replaces the cached one; a failure leaves the cached problem as it was.
    void recordFetch(const ProblemResult& result,
                     const QDateTime& now = QDateTime::currentDateTime());
    // The selected file (or the shared list, with no file) takes the
    // problem's samples as its cases, or one empty case when it has none,
    // and the problem's limits as those its runs judge by. Nothing happens
    // without a problem.
    void applyTestCases();
    // What a full reset does: the problem and the cooldown are forgotten.
    void forget();

signals:
    void problemChanged();
    void lastFetchTimeChanged();

private:
    CaseBook& m_cases;
    BaekjoonCrawler m_crawler;
    std::optional<CachedBaekjoonProblem> m_problem;
    std::optional<QDateTime> m_lastFetchTime;
};
