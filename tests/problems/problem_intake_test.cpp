#include "local_http_server.h"
#include "problems/problem_intake.h"
#include "problems/problem_receiver.h"
#include "problems/problem_session.h"
#include "support/printers.h"
#include "support/test_support.h"
#include "workspace/app_state.h"

#include <QFile>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct GivenCases {
    QUuid fileId;
    QList<TestCase> cases;
    JudgeChoice choice;
};

// The browser, the receiver, the intake and a judge on 127.0.0.1, as the
// window joins them.
class IntakeTest : public ::testing::Test {
protected:
    IntakeTest()
        : session(state, {judge.baseUrl(), judge.baseUrl(), judge.baseUrl()}),
          intake(state, session,
                 [this](const QUuid& id, const QList<TestCase>& cases, const JudgeChoice& choice) {
                     given.append({id, cases, choice});
                 }) {
        port = receiver.listen(0).port;
        QObject::connect(
            &receiver, &ProblemReceiver::batchReceived,
            [this](const ReceivedBatch& batch) { messages.append(intake.receive(batch).message); });
    }

    void post(const QByteArray& body) {
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, port);
        ASSERT_TRUE(client.waitForConnected(5000));
        client.write("POST / HTTP/1.1\r\nHost: localhost\r\nContent-Length: " +
                     QByteArray::number(body.size()) + "\r\n\r\n" + body);
        ASSERT_TRUE(client.waitForReadyRead(5000));
        EXPECT_TRUE(client.readAll().startsWith("HTTP/1.1 200 "));
    }

    QStringList names(const std::optional<QUuid>& folderId) const {
        QStringList result;
        for (const FileItem& file : state.files()) {
            if (file.folderId == folderId)
                result.append(file.name);
        }
        return result;
    }

    // Before the workspace loads: each test starts from an empty one.
    struct FirstRun {
        FirstRun() { startAsFirstRun(); }
    } firstRun;
    AppState state;
    LocalHttpServer judge;
    ProblemSession session;
    ProblemReceiver receiver;
    quint16 port = 0;
    QList<GivenCases> given;
    QStringList messages;
    ProblemIntake intake;
};

TEST_F(IntakeTest, BaekjoonProblemBecomesItsNumberedFileWithSamplesLimitsAndThePage) {
    QFile json(QStringLiteral(CORVANTA_TEST_DATA_DIR "/intake/baekjoon-1000.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QByteArray body = json.readAll();
    post(body);
    ASSERT_TRUE(QTest::qWaitFor([&] { return given.size() == 1; }, 5000));

    const FileItem* file = state.file(given[0].fileId);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->name, u"1000.cpp"_s);
    EXPECT_EQ(state.fileText(file->id), state.settings().templates().text(file->language));
    ASSERT_EQ(given[0].cases.size(), 1);
    EXPECT_EQ(given[0].cases[0].input, u"1 2\n"_s);
    EXPECT_EQ(given[0].cases[0].expectedOutput, u"3\n"_s);
    EXPECT_EQ(given[0].choice.timeLimitMs, 2000);
    EXPECT_EQ(given[0].choice.memoryLimitMb, 128);
    EXPECT_EQ(messages, QStringList{u"문제를 받았습니다: 1000.cpp"_s});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::any_of(
                judge.requests().begin(), judge.requests().end(),
                [](const auto& request) { return request.target == "/problem/1000"; });
        },
        5000));

    // The same problem again is a second file; the work in the first stays.
    state.setFileText(file->id, u"int main() { return 0; }"_s);
    post(body);
    ASSERT_TRUE(QTest::qWaitFor([&] { return given.size() == 2; }, 5000));
    EXPECT_EQ(names(std::nullopt), (QStringList{u"1000.cpp"_s, u"1000_1.cpp"_s}));
    EXPECT_EQ(state.fileText(given[0].fileId), u"int main() { return 0; }"_s);
}

TEST_F(IntakeTest, ContestBecomesAFolderOfItsProblemsInOrder) {
    for (const QString& name : {u"A. Sum"_s, u"B. Castle"_s, u"C. Queries"_s}) {
        post(uR"({"name":"%1","group":"Codeforces - Round 1","url":"https://codeforces.com/x",
                  "memoryLimit":256,"timeLimit":1000,"tests":[],"batch":{"id":"b","size":3}})"_s
                 .arg(name)
                 .toUtf8());
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return given.size() == 3; }, 5000));

    ASSERT_EQ(state.folders().size(), 1);
    EXPECT_EQ(state.folders()[0].name, u"Round_1"_s);
    EXPECT_EQ(names(state.folders()[0].id),
              (QStringList{u"A_Sum.cpp"_s, u"B_Castle.cpp"_s, u"C_Queries.cpp"_s}));
    EXPECT_EQ(messages, QStringList{u"대회 문제 3개를 받았습니다: Round_1"_s});
}

} // namespace
