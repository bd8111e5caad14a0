#include "local_http_server.h"
#include "support/files.h"
#include "support/printers.h"
#include "support/process_runner.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void routeHelloPage(LocalHttpServer& server) {
    server.route("/problem/2557",
                 {200, readFile(QStringLiteral(CORVANTA_TEST_DATA_DIR "/hello-2557.html"))});
    server.route("/api/v3/problem/show?problemId=2557",
                 {200, "{\"level\": 1}", "application/json"});
}

// Sets the variables for the test's lifetime.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::initializer_list<std::pair<const char*, QString>> values) {
        for (const auto& [name, value] : values) {
            qputenv(name, value.toUtf8());
            m_names.append(name);
        }
    }
    ~ScopedEnvironment() {
        for (const char* name : m_names)
            qunsetenv(name);
    }

private:
    QList<const char*> m_names;
};

// The flags win over the environment, which wins over the built-in servers.
TEST(ProblemCommand, FetchesFromTheGivenServersAndPrintsOneJsonObject) {
    LocalHttpServer server;
    routeHelloPage(server);
    LocalHttpServer elsewhere;
    {
        const ScopedEnvironment environment{{"CORVANTA_JUDGE_URL", elsewhere.baseUrl()},
                                            {"CORVANTA_TIER_URL", elsewhere.baseUrl()}};
        const ProcessOutcome outcome = runCli({u"problem"_s, u"2557"_s, u"--judge"_s,
                                               server.baseUrl(), u"--tier"_s, server.baseUrl()});
        ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
        EXPECT_EQ(QJsonDocument::fromJson(outcome.out.toUtf8()),
                  QJsonDocument::fromJson(R"({"number": "2557", "title": "Hello",
                  "description": "x ≤ 1", "inputDescription": "", "outputDescription": "",
                  "testCases": [{"input": "1 < 2", "output": "ok"}],
                  "timeLimit": "1 초", "memoryLimit": "128 MB", "tier": 1})"))
            << outcome.out.toStdString();
        EXPECT_TRUE(outcome.err.contains(u"HTTP Status: 200"_s));
    }
    EXPECT_TRUE(elsewhere.requests().isEmpty());

    const ScopedEnvironment environment{{"CORVANTA_JUDGE_URL", server.baseUrl() + u'/'},
                                        {"CORVANTA_TIER_URL", server.baseUrl()}};
    const ProcessOutcome outcome = runCli({u"problem"_s, u"2557"_s});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(outcome.out.toUtf8()).object().value(u"tier"), 1);
}

TEST(ProblemCommand, PrintsTheErrorAndFailsWhenThePageFails) {
    LocalHttpServer server;
    const ProcessOutcome outcome = runCli(
        {u"problem"_s, u"404"_s, u"--judge"_s, server.baseUrl(), u"--tier"_s, server.baseUrl()});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.out.isEmpty());
    EXPECT_TRUE(outcome.err.contains(u"HTTP 오류: 404"_s));
}

TEST(ProblemCommand, RefusesBadUsage) {
    for (const QStringList& arguments :
         {QStringList{u"problem"_s}, QStringList{u"problem"_s, u"1"_s, u"2"_s},
          QStringList{u"problem"_s, u"1"_s, u"--html"_s},
          QStringList{u"problem"_s, u"1"_s, u"--html"_s, u"x"_s, u"--judge"_s, u"y"_s}}) {
        const ProcessOutcome outcome = runCli(arguments);
        EXPECT_EQ(outcome.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(outcome.out.isEmpty());
    }
}

} // namespace
