#include "local_http_server.h"
#include "problems/baekjoon_crawler.h"
#include "problems/page_conversion.h"
#include "support/printers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// What the client must make of the page: the parse of its text, with the tier.
BaekjoonProblem parsedPage(const QString& number, std::optional<SolvedTier> tier) {
    BaekjoonProblem problem =
        parseProblemPage(QString::fromUtf8(savedJudgePage(u"1260"_s)), number);
    problem.tier = tier;
    return problem;
}

QByteArray tierTarget(const QByteArray& number) {
    return "/api/v3/problem/show?problemId=" + number;
}

QByteArray randomTarget(int tier) {
    return "/api/v3/search/problem?query=tier%3A" + QByteArray::number(tier) +
           "&sort=random&direction=asc&page=1";
}

// Starts a request through `start`, waits for its completion and checks that
// it arrived once, later, on the UI thread.
template <typename T, typename Start> T completionOf(Start start) {
    std::optional<T> result;
    int calls = 0;
    QThread* thread = nullptr;
    start([&](const T& value) {
        result = value;
        ++calls;
        thread = QThread::currentThread();
    });
    EXPECT_FALSE(result.has_value()) << "the completion ran inside the call";
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 20000));
    QTest::qWait(20);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(thread, QCoreApplication::instance()->thread());
    return result.value_or(T{});
}

class CrawlerTest : public ::testing::Test {
protected:
    explicit CrawlerTest(std::chrono::milliseconds timeout = 10s)
        : crawler({server.baseUrl(), server.baseUrl(), u"https://cases.example"_s}, timeout) {
        crawler.setStatusLineWriter([this](const QString& line) { statusLines.append(line); });
    }

    ProblemResult fetch(const QString& number) {
        return completionOf<ProblemResult>([&](auto done) { crawler.fetchProblem(number, done); });
    }

    std::optional<SolvedTier> tier(const QString& number) {
        return completionOf<std::optional<SolvedTier>>(
            [&](auto done) { crawler.fetchTier(number, done); });
    }

    RandomProblemResult random(SolvedTier tier) {
        return completionOf<RandomProblemResult>(
            [&](auto done) { crawler.fetchRandomProblem(tier, done); });
    }

    static CrawlerError errorOf(const ProblemResult& result) {
        EXPECT_TRUE(std::holds_alternative<CrawlerError>(result));
        return std::holds_alternative<CrawlerError>(result) ? std::get<CrawlerError>(result)
                                                            : CrawlerError{};
    }

    LocalHttpServer server;
    BaekjoonCrawler crawler;
    QStringList statusLines;
};

class ShortTimeoutCrawlerTest : public CrawlerTest {
protected:
    ShortTimeoutCrawlerTest() : CrawlerTest(300ms) {}
};

TEST_F(CrawlerTest, FetchesThePageThenTheTierAndSendsTheJudgesHeaders) {
    server.route("/problem/1000", {200, savedJudgePage(u"1260"_s)});
    server.route(tierTarget("1000"),
                 {200, R"({"problemId":1000,"level":11,"titleKo":"x"})", "application/json"});

    const ProblemResult result = fetch(u"1000"_s);
    ASSERT_TRUE(std::holds_alternative<BaekjoonProblem>(result))
        << std::get<CrawlerError>(result).errorDescription().toStdString();
    EXPECT_EQ(std::get<BaekjoonProblem>(result), parsedPage(u"1000"_s, SolvedTier::gold5));
    EXPECT_EQ(statusLines, QStringList{u"HTTP Status: 200"_s});

    ASSERT_EQ(server.requests().size(), 2);
    const LocalHttpServer::Request& page = server.requests()[0];
    EXPECT_EQ(page.target, "/problem/1000");
    // The judge serves pages to browsers only.
    EXPECT_TRUE(page.header("User-Agent").startsWith("Mozilla/5.0 ("));
    EXPECT_TRUE(page.header("Accept").startsWith("text/html,"));
    EXPECT_TRUE(page.header("Accept-Language").startsWith("ko-KR,"));
    EXPECT_EQ(page.header("Referer"), server.baseUrl().toUtf8());

    EXPECT_EQ(server.requests()[1].target, tierTarget("1000"));
    EXPECT_EQ(server.requests()[1].header("Accept"), "application/json");
}

TEST_F(CrawlerTest, AnswersThatAreNotAPageFailWithTheirOwnError) {
    const QByteArray overLimit(BaekjoonCrawler::maximumBodySize + 1, 'x');
    const QString noData = u"데이터를 받아올 수 없습니다"_s;
    const struct {
        const char* name;
        LocalHttpServer::Response response;
        QString description;
    } cases[] = {
        {"not found", {404, "<html>no such problem</html>"}, u"HTTP 오류: 404"_s},
        {"empty body", {200, ""}, noData},
        {"not UTF-8", {200, "<span id=\"problem_title\">\xff\xfe</span>"}, noData},
        {"over 8 MiB with a length", {200, overLimit}, noData},
        {"over 8 MiB without a length", {200, overLimit, "text/html", false}, noData},
    };
    int number = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.route("/problem/" + QByteArray::number(number), c.response);
        statusLines.clear();
        const qsizetype requestsBefore = server.requests().size();
        EXPECT_EQ(errorOf(fetch(QString::number(number++))).errorDescription(), c.description);
        EXPECT_EQ(statusLines.size(), 1);
        // No tier is asked for a page that failed.
        EXPECT_EQ(server.requests().size(), requestsBefore + 1);
    }
}

TEST_F(CrawlerTest, ANumberThatFormsNoURLFailsWithoutARequest) {
    for (const QString& number : {u"10 00"_s, u"1|2"_s, u"<1>"_s}) {
        SCOPED_TRACE(number.toStdString());
        const CrawlerError error = errorOf(fetch(number));
        EXPECT_EQ(error.kind, CrawlerError::Kind::invalidURL);
        EXPECT_EQ(error.errorDescription(), u"잘못된 URL입니다"_s);
        EXPECT_EQ(tier(number), std::nullopt);
    }
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_TRUE(statusLines.isEmpty());
}

TEST_F(CrawlerTest, ReadsTheTierOfEveryAnswerShape) {
    const struct {
        QByteArray body;
        int status;
        std::optional<SolvedTier> tier;
    } cases[] = {
        {R"({"level": 11})", 200, SolvedTier::gold5},
        {R"({"level": 0})", 200, SolvedTier::unrated},
        {R"({"level": 30, "extra": [1, 2]})", 200, SolvedTier::ruby1},
        {R"({"level": 12.0})", 200, SolvedTier::gold4},
        {R"({"level": 3})", 500, SolvedTier::bronze3}, // the status is not examined
        {R"({"level": 31})", 200, std::nullopt},
        {R"({"level": -1})", 200, std::nullopt},
        {R"({"level": "11"})", 200, std::nullopt},
        {R"({"level": 11.5})", 200, std::nullopt},
        {R"({"tier": 11})", 200, std::nullopt},
        {R"([{"level": 11}])", 200, std::nullopt},
        {R"({"level": 11)", 200, std::nullopt},
        {"", 200, std::nullopt},
    };
    int number = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body.toStdString());
        server.route(tierTarget(QByteArray::number(number)),
                     {c.status, c.body, "application/json"});
        EXPECT_EQ(tier(QString::number(number)), c.tier);
        ++number;
    }
    EXPECT_EQ(tier(u"404"_s), std::nullopt);
}

TEST_F(CrawlerTest, ReadsTheRandomProblemOfEveryAnswerShape) {
    using Kind = CrawlerError::Kind;
    // An empty number means the answer is refused with `error`.
    const struct {
        QByteArray body;
        int status;
        QString number;
        Kind error = Kind::parseError;
    } cases[] = {
        {R"({"count":1,"items":[{"problemId":1000,"level":11}]})", 200, u"1000"_s},
        {R"({"items":[{"problemId":7},{"problemId":8}]})", 500, u"7"_s},
        {R"({"items":[]})", 200, {}},
        {R"({"items":[{"problemId":"1000"}]})", 200, {}},
        {R"({"items":[1000]})", 200, {}},
        {R"({"items":{"problemId":1000}})", 200, {}},
        {R"([{"problemId":1000}])", 200, {}},
        {R"({"items":[{"problemId":1000.5}]})", 200, {}},
        {R"({"items":[)", 200, {}, Kind::json},
        {"", 200, {}, Kind::noData},
    };
    int raw = rawValue(SolvedTier::gold5); // each case asks for a tier of its own
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body.toStdString());
        server.route(randomTarget(raw), {c.status, c.body, "application/json"});
        const RandomProblemResult result = random(SolvedTier(raw++));
        if (!c.number.isEmpty()) {
            ASSERT_TRUE(std::holds_alternative<QString>(result));
            EXPECT_EQ(std::get<QString>(result), c.number);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<CrawlerError>(result));
        const CrawlerError& error = std::get<CrawlerError>(result);
        EXPECT_EQ(error.kind, c.error);
        EXPECT_FALSE(error.errorDescription().isEmpty());
        if (error.kind == Kind::parseError) {
            EXPECT_EQ(error.errorDescription(), u"문제를 파싱할 수 없습니다"_s);
        }
    }
    EXPECT_EQ(server.requests().first().target,
              "/api/v3/search/problem?query=tier%3A11&sort=random&direction=asc&page=1");
    EXPECT_EQ(server.requests().first().header("Accept"), "application/json");
}

TEST_F(CrawlerTest, ARefusedConnectionIsATransportError) {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const QString unused = u"http://127.0.0.1:"_s + QString::number(closed.serverPort());
    closed.close();
    BaekjoonCrawler offline({unused, unused, unused});
    const ProblemResult result =
        completionOf<ProblemResult>([&](auto done) { offline.fetchProblem(u"1000"_s, done); });
    const CrawlerError error = errorOf(result);
    EXPECT_EQ(error.kind, CrawlerError::Kind::transport);
    EXPECT_FALSE(error.errorDescription().isEmpty());
    const RandomProblemResult random = completionOf<RandomProblemResult>(
        [&](auto done) { offline.fetchRandomProblem(SolvedTier::gold1, done); });
    ASSERT_TRUE(std::holds_alternative<CrawlerError>(random));
    EXPECT_EQ(std::get<CrawlerError>(random).kind, CrawlerError::Kind::transport);
}

TEST_F(ShortTimeoutCrawlerTest, ASilentServerTimesOut) {
    server.route("/problem/1", {200, "", "text/html", true, true});
    QElapsedTimer timer;
    timer.start();
    const CrawlerError error = errorOf(fetch(u"1"_s));
    EXPECT_EQ(error.kind, CrawlerError::Kind::transport);
    EXPECT_FALSE(error.errorDescription().isEmpty());
    EXPECT_GE(timer.elapsed(), 250);
    EXPECT_TRUE(statusLines.isEmpty());
}

TEST_F(ShortTimeoutCrawlerTest, AFailedOrSilentTierLookupLeavesTheProblemWithoutATier) {
    const LocalHttpServer::Response answers[] = {{404, "<html>not json</html>"},
                                                 {200, "", "application/json", true, true}};
    for (int number = 1; number <= 2; ++number) {
        server.route("/problem/" + QByteArray::number(number), {200, savedJudgePage(u"1260"_s)});
        server.route(tierTarget(QByteArray::number(number)), answers[number - 1]);
        const ProblemResult result = fetch(QString::number(number));
        ASSERT_TRUE(std::holds_alternative<BaekjoonProblem>(result)) << number;
        EXPECT_EQ(std::get<BaekjoonProblem>(result),
                  parsedPage(QString::number(number), std::nullopt));
    }
}

TEST(CrawlerLifetime, ACrawlerThatIsGoneCallsNothing) {
    LocalHttpServer server;
    server.route("/problem/1", {200, savedJudgePage(u"1260"_s)});
    bool called = false;
    {
        BaekjoonCrawler crawler({server.baseUrl(), server.baseUrl(), server.baseUrl()});
        crawler.fetchProblem(u"1"_s, [&](const ProblemResult&) { called = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requests().isEmpty(); }, 5000));
    }
    QTest::qWait(200);
    EXPECT_FALSE(called);
}

} // namespace
