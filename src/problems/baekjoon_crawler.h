#pragma once

#include "problems/baekjoon_problem.h"
#include "problems/solved_tier.h"

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>
#include <utility>
#include <variant>

class QNetworkReply;
class QUrl;

// Where the problem client sends its requests: scheme and host, no trailing slash.
struct CrawlerEndpoints {
    QString judgeBaseURL;
    QString tierServiceBaseURL;
    QString testCaseSiteBaseURL;

    // The judge's public site, the public tier service and the public
    // test-case collection site.
    static CrawlerEndpoints production();
    // production(), with the judge and the tier service replaced by
    // CORVANTA_JUDGE_URL and CORVANTA_TIER_URL where they are set (mirrors,
    // proxies, tests).
    static CrawlerEndpoints fromEnvironment();
};

// Either the problem number as text or why there is none.
using RandomProblemResult = std::variant<QString, CrawlerError>;

// The client of the judge's problem pages and of the tier service. It keeps
// no state between requests: each call sends its own request and answers
// exactly once through its completion, always later on this object's
// (the UI) thread, never from inside the call. Decoding and parsing run on a
// pool thread. Destroying the crawler drops the completions still pending.
class BaekjoonCrawler : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds defaultTimeout = std::chrono::seconds(60);
    // Larger answers are refused rather than read into memory and parsed.
    static constexpr qint64 maximumBodySize = 8 * 1024 * 1024;

    // `timeout` is the longest wait for the next bytes of an answer.
    explicit BaekjoonCrawler(CrawlerEndpoints endpoints = CrawlerEndpoints::production(),
                             std::chrono::milliseconds timeout = defaultTimeout,
                             QObject* parent = nullptr);

    const CrawlerEndpoints& endpoints() const { return m_endpoints; }

    // Where the "HTTP Status: " line of a page fetch goes; standard output
    // unless changed.
    void setStatusLineWriter(std::function<void(const QString&)> writer);

    // The page of problem `number` (appended to the URL unchanged), parsed,
    // with the tier the service reports; a failed tier lookup leaves the tier
    // absent and never fails the fetch.
    void fetchProblem(const QString& number, std::function<void(const ProblemResult&)> completion);
    // The tier of problem `number`, or none on any failure.
    void fetchTier(const QString& number,
                   std::function<void(std::optional<SolvedTier>)> completion);
    // The number of one random problem of `tier`.
    void fetchRandomProblem(SolvedTier tier,
                            std::function<void(const RandomProblemResult&)> completion);

    QString problemPageLink(const QString& number) const;
    QString testCaseSiteLink(const QString& number) const;

private:
    struct Answer;

    void send(const QUrl& url, const QList<std::pair<QByteArray, QByteArray>>& headers,
              std::function<void(const Answer&)> done);
    // Runs `work` on a pool thread and hands its result to `done` on this thread.
    template <typename T>
    void runInPool(std::function<T()> work, std::function<void(const T&)> done);
    // Calls `call` on this thread after the current call has returned.
    void later(std::function<void()> call);

    CrawlerEndpoints m_endpoints;
    std::chrono::milliseconds m_timeout;
    std::function<void(const QString&)> m_statusLineWriter;
    QNetworkAccessManager m_network;
};

// A problem page's body, read as the crawler reads it: empty, oversized or
// not UTF-8 is noData, anything else is converted.
ProblemResult readProblemPage(const QByteArray& body, const QString& number);

// The tier service's answers, read as the crawler reads them.
std::optional<SolvedTier> readTierAnswer(const QByteArray& body);
RandomProblemResult readRandomProblemAnswer(const QByteArray& body);
