#include "problems/baekjoon_crawler.h"

#include "base/diagnostics.h"
#include "problems/page_conversion.h"

#include <QFutureWatcher>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPromise>
#include <QStringDecoder>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>
#include <cmath>
#include <memory>

// What came back for one request, as read on the crawler's thread.
struct BaekjoonCrawler::Answer {
    std::optional<QString> transportError; // Qt's description
    std::optional<int> httpStatus;         // present when the server answered over HTTP
    QByteArray body;
    bool tooLarge = false;
};

namespace {

using Headers = QList<std::pair<QByteArray, QByteArray>>;

Headers pageHeaders(const QString& referer) {
    return {
        {"User-Agent", "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/537.36 "
                       "(KHTML, like Gecko) Chrome/120.0.0.0 Safari/537.36"},
        {"Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,*/*;q=0.8"},
        {"Accept-Language", "ko-KR,ko;q=0.9,en-US;q=0.8,en;q=0.7"},
        {"Referer", referer.toUtf8()},
    };
}

const Headers& jsonHeaders() {
    static const Headers headers = {{"Accept", "application/json"}};
    return headers;
}

// Qt reports an error status as a reply error as well; such a reply is still
// an answer of the server, not a failure of the transport.
bool isHttpStatusError(QNetworkReply::NetworkError error) {
    const int code = int(error);
    return (code >= 201 && code <= 299) || error == QNetworkReply::ProtocolInvalidOperationError ||
           (code >= 401 && code <= 499);
}

// JSON numbers are doubles; an integer is one without a fraction that a
// double holds exactly.
std::optional<qint64> jsonInteger(const QJsonValue& value) {
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    constexpr double exactLimit = 9007199254740992.0; // 2^53
    if (!std::isfinite(number) || number != std::trunc(number) || std::abs(number) > exactLimit)
        return std::nullopt;
    return qint64(number);
}

} // namespace

CrawlerEndpoints CrawlerEndpoints::production() {
    return {QStringLiteral("https://www.acmicpc.net"), QStringLiteral("https://solved.ac"),
            QStringLiteral("https://testcase.ac")};
}

CrawlerEndpoints CrawlerEndpoints::fromEnvironment() {
    CrawlerEndpoints endpoints = production();
    const auto override = [](QString& url, const char* variable) {
        QString value = qEnvironmentVariable(variable).trimmed();
        // Paths are appended with their own slash.
        while (value.endsWith(u'/'))
            value.chop(1);
        if (!value.isEmpty())
            url = value;
    };
    override(endpoints.judgeBaseURL, "CORVANTA_JUDGE_URL");
    override(endpoints.tierServiceBaseURL, "CORVANTA_TIER_URL");
    return endpoints;
}

BaekjoonCrawler::BaekjoonCrawler(CrawlerEndpoints endpoints, std::chrono::milliseconds timeout,
                                 QObject* parent)
    : QObject(parent), m_endpoints(std::move(endpoints)), m_timeout(timeout),
      m_statusLineWriter(printDiagnostic) {}

void BaekjoonCrawler::setStatusLineWriter(std::function<void(const QString&)> writer) {
    m_statusLineWriter = std::move(writer);
}

QString BaekjoonCrawler::problemPageLink(const QString& number) const {
    return m_endpoints.judgeBaseURL + QStringLiteral("/problem/") + number;
}

QString BaekjoonCrawler::testCaseSiteLink(const QString& number) const {
    return m_endpoints.testCaseSiteBaseURL + QStringLiteral("/problems/") + number;
}

void BaekjoonCrawler::fetchProblem(const QString& number,
                                   std::function<void(const ProblemResult&)> completion) {
    const QUrl url(problemPageLink(number), QUrl::StrictMode);
    if (!url.isValid()) {
        later([completion] { completion(CrawlerError::invalidURL()); });
        return;
    }
    send(url, pageHeaders(m_endpoints.judgeBaseURL),
         [this, number, completion](const Answer& answer) {
             if (answer.transportError && !answer.tooLarge)
                 return completion(CrawlerError::transport(*answer.transportError));
             if (answer.httpStatus) {
                 m_statusLineWriter(QStringLiteral("HTTP Status: ") +
                                    QString::number(*answer.httpStatus));
                 if (*answer.httpStatus != 200)
                     return completion(CrawlerError::httpError(*answer.httpStatus));
             }
             if (answer.tooLarge)
                 return completion(CrawlerError::noData());
             runInPool<ProblemResult>(
                 [body = answer.body, number] { return readProblemPage(body, number); },
                 [this, number, completion](const ProblemResult& parsed) {
                     const auto* problem = std::get_if<BaekjoonProblem>(&parsed);
                     if (!problem)
                         return completion(parsed);
                     fetchTier(number,
                               [problem = *problem, completion](std::optional<SolvedTier> tier) {
                                   BaekjoonProblem withTier = problem;
                                   withTier.tier = tier;
                                   completion(withTier);
                               });
                 });
         });
}

void BaekjoonCrawler::fetchTier(const QString& number,
                                std::function<void(std::optional<SolvedTier>)> completion) {
    const QUrl url(m_endpoints.tierServiceBaseURL +
                       QStringLiteral("/api/v3/problem/show?problemId=") + number,
                   QUrl::StrictMode);
    if (!url.isValid()) {
        later([completion] { completion(std::nullopt); });
        return;
    }
    send(url, jsonHeaders(), [this, completion](const Answer& answer) {
        if (answer.transportError || answer.tooLarge || answer.body.isEmpty())
            return completion(std::nullopt);
        runInPool<std::optional<SolvedTier>>([body = answer.body] { return readTierAnswer(body); },
                                             completion);
    });
}

void BaekjoonCrawler::fetchRandomProblem(
    SolvedTier tier, std::function<void(const RandomProblemResult&)> completion) {
    const QUrl url(
        m_endpoints.tierServiceBaseURL + QStringLiteral("/api/v3/search/problem?query=tier%3A") +
            QString::number(rawValue(tier)) + QStringLiteral("&sort=random&direction=asc&page=1"),
        QUrl::StrictMode);
    if (!url.isValid()) {
        later([completion] { completion(CrawlerError::invalidURL()); });
        return;
    }
    send(url, jsonHeaders(), [this, completion](const Answer& answer) {
        if (answer.transportError && !answer.tooLarge)
            return completion(CrawlerError::transport(*answer.transportError));
        if (answer.tooLarge || answer.body.isEmpty())
            return completion(CrawlerError::noData());
        runInPool<RandomProblemResult>(
            [body = answer.body] { return readRandomProblemAnswer(body); }, completion);
    });
}

void BaekjoonCrawler::send(const QUrl& url, const Headers& headers,
                           std::function<void(const Answer&)> done) {
    QNetworkRequest request(url);
    request.setTransferTimeout(int(m_timeout.count()));
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    QNetworkReply* reply = m_network.get(request);

    auto tooLarge = std::make_shared<bool>(false);
    connect(reply, &QNetworkReply::downloadProgress, reply,
            [reply, tooLarge](qint64 received, qint64 total) {
                if (!*tooLarge && (received > maximumBodySize || total > maximumBodySize)) {
                    *tooLarge = true;
                    reply->abort();
                }
            });
    connect(reply, &QNetworkReply::finished, this, [reply, tooLarge, done = std::move(done)] {
        reply->deleteLater();
        Answer answer;
        answer.tooLarge = *tooLarge;
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status.isValid())
            answer.httpStatus = status.toInt();
        const QNetworkReply::NetworkError error = reply->error();
        if (error != QNetworkReply::NoError && !(answer.httpStatus && isHttpStatusError(error)))
            answer.transportError = reply->errorString();
        if (!answer.tooLarge && !answer.transportError)
            answer.body = reply->readAll();
        done(answer);
    });
}

template <typename T>
void BaekjoonCrawler::runInPool(std::function<T()> work, std::function<void(const T&)> done) {
    // The watcher belongs to the crawler, so a crawler that is gone receives nothing.
    auto* watcher = new QFutureWatcher<T>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        done(watcher->result());
    });
    auto promise = std::make_shared<QPromise<T>>();
    watcher->setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, work = std::move(work)] {
        promise->start();
        promise->addResult(work());
        promise->finish();
    });
}

void BaekjoonCrawler::later(std::function<void()> call) {
    QTimer::singleShot(0, this, std::move(call));
}

ProblemResult readProblemPage(const QByteArray& body, const QString& number) {
    if (body.isEmpty() || body.size() > BaekjoonCrawler::maximumBodySize)
        return CrawlerError::noData();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString html = decoder.decode(body);
    if (decoder.hasError())
        return CrawlerError::noData();
    return parseProblemPage(html, number);
}

std::optional<SolvedTier> readTierAnswer(const QByteArray& body) {
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isObject())
        return std::nullopt;
    const std::optional<qint64> level = jsonInteger(document.object().value(u"level"));
    if (!level)
        return std::nullopt;
    return solvedTierFromRawValue(*level);
}

RandomProblemResult readRandomProblemAnswer(const QByteArray& body) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return CrawlerError::json(error.errorString());
    const QJsonArray items = document.object().value(u"items").toArray();
    if (!document.isObject() || items.isEmpty() || !items.first().isObject())
        return CrawlerError::parseError();
    const std::optional<qint64> problemId =
        jsonInteger(items.first().toObject().value(u"problemId"));
    if (!problemId)
        return CrawlerError::parseError();
    return QString::number(*problemId);
}
