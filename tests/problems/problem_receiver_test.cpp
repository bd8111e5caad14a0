#include "problems/problem_receiver.h"
#include "support/printers.h"

#include <QFile>
#include <QNetworkInterface>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

struct Reply {
    int status = 0;
    QByteArray body;
};

QByteArray post(const QByteArray& body) {
    return "POST / HTTP/1.1\r\nHost: localhost\r\nContent-Type: text/plain;charset=UTF-8\r\n"
           "Content-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

QByteArray problemJson(const QString& name, const QString& batchId, int batchSize) {
    return uR"({"name":"%1","group":"Codeforces - Round 1","url":"https://codeforces.com/%1",
                "memoryLimit":256,"timeLimit":1000,"tests":[],"batch":{"id":"%2","size":%3}})"_s
        .arg(name, batchId)
        .arg(batchSize)
        .toUtf8();
}

class ReceiverTest : public ::testing::Test {
protected:
    ReceiverTest() : receiver(limits()) {
        const ReceiverStatus status = receiver.listen(0);
        EXPECT_EQ(status.state, ReceiverStatus::State::listening);
        port = status.port;
    }

    static IntakeLimits limits() {
        IntakeLimits limits;
        limits.request.bodyBytes = 64 * 1024;
        limits.connections = 4;
        limits.requestTime = 300ms;
        return limits;
    }

    // Sends `request` on a connection of its own and reads the answer up to
    // the server's close.
    Reply exchange(const QByteArray& request) {
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, port);
        EXPECT_TRUE(client.waitForConnected(5000));
        client.write(request);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return client.state() == QAbstractSocket::UnconnectedState; }, 10000));
        const QByteArray answer = client.readAll();
        const qsizetype bodyStart = answer.indexOf("\r\n\r\n");
        return {answer.mid(9, 3).toInt(),
                bodyStart < 0 ? QByteArray() : answer.sliced(bodyStart + 4)};
    }

    ProblemReceiver receiver;
    quint16 port = 0;
    QSignalSpy batches{&receiver, &ProblemReceiver::batchReceived};
    QSignalSpy rejections{&receiver, &ProblemReceiver::requestRejected};
    QSignalSpy unreadProblems{&receiver, &ProblemReceiver::problemRejected};
};

ReceivedBatch batchAt(const QSignalSpy& spy, int index) {
    return spy.at(index).at(0).value<ReceivedBatch>();
}

TEST_F(ReceiverTest, BaekjoonProblemArrivesOnTheOwnersThreadWithSamplesAndLimits) {
    QFile file(QStringLiteral(CORVANTA_TEST_DATA_DIR "/intake/baekjoon-1000.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QThread* deliveredOn = nullptr;
    QObject::connect(&receiver, &ProblemReceiver::batchReceived,
                     [&] { deliveredOn = QThread::currentThread(); });

    const Reply reply = exchange(post(file.readAll()));

    EXPECT_EQ(reply.status, 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return batches.size() == 1; }, 5000));
    EXPECT_EQ(deliveredOn, QThread::currentThread());
    const ReceivedBatch batch = batchAt(batches, 0);
    ASSERT_EQ(batch.problems.size(), 1);
    const ReceivedProblem& problem = batch.problems.first();
    EXPECT_EQ(problem.name, u"A+B"_s);
    EXPECT_EQ(problem.memoryLimitMb, 128);
    EXPECT_EQ(problem.timeLimitMs, 2000);
    EXPECT_EQ(problem.tests, (QList<ProblemSample>{{u"1 2\n"_s, u"3\n"_s}}));
    EXPECT_EQ(problem.languages[u"java"_s][u"taskClass"_s].toString(), u"AB"_s);
}

TEST_F(ReceiverTest, ListensOnLoopbackOnly) {
    QHostAddress other;
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (!address.isLoopback() && address.protocol() == QAbstractSocket::IPv4Protocol)
            other = address;
    }
    if (other.isNull())
        GTEST_SKIP() << "this machine has no address besides loopback";

    QTcpSocket client;
    client.connectToHost(other, port);
    EXPECT_FALSE(client.waitForConnected(5000));
    EXPECT_EQ(client.error(), QAbstractSocket::ConnectionRefusedError);
}

TEST_F(ReceiverTest, TakenPortIsReportedAsAValue) {
    QTcpServer otherTool;
    ASSERT_TRUE(otherTool.listen(QHostAddress::Any));
    ProblemReceiver second;

    const ReceiverStatus status = second.listen(otherTool.serverPort());

    EXPECT_EQ(status,
              (ReceiverStatus{ReceiverStatus::State::portInUse, otherTool.serverPort(), {}}));
    EXPECT_TRUE(receiverStatusText(status).contains(QString::number(otherTool.serverPort())));
}

// Each is answered with its error; the good request after them is the only
// batch, so none of them emitted anything, even late.
TEST_F(ReceiverTest, BadRequestsAreAnsweredWithAnErrorAndChangeNothing) {
    const QByteArray valid = problemJson(u"A"_s, {}, 1);
    const struct {
        const char* what;
        QByteArray request;
        int status;
    } cases[] = {
        {"malformed JSON", post("{\"name\": "), 400},
        {"missing tests", post(QByteArray(valid).replace("\"tests\":[],", "")), 400},
        {"limit as text", post(QByteArray(valid).replace("256", "\"256\"")), 400},
        {"negative limit", post(QByteArray(valid).replace("1000", "-5")), 400},
        {"sample without output", post(QByteArray(valid).replace("[]", "[{\"input\":\"1\"}]")),
         400},
        {"oversized batch", post(QByteArray(valid).replace("\"size\":1", "\"size\":5000")), 400},
        {"GET", "GET / HTTP/1.1\r\nHost: localhost\r\n\r\n", 405},
        {"from a web page",
         "POST / HTTP/1.1\r\nHost: localhost\r\nOrigin: https://example.org\r\n"
         "Content-Length: " +
             QByteArray::number(valid.size()) + "\r\n\r\n" + valid,
         403},
        {"no length", "POST / HTTP/1.1\r\nHost: localhost\r\n\r\n{}", 411},
        {"chunked",
         "POST / HTTP/1.1\r\nHost: localhost\r\nTransfer-Encoding: "
         "chunked\r\n\r\n2\r\n{}\r\n0\r\n\r\n",
         411},
        {"two lengths",
         "POST / HTTP/1.1\r\nHost: localhost\r\nContent-Length: 2\r\nContent-Length: 3\r\n\r\n{}",
         400},
        {"folded header",
         "POST / HTTP/1.1\r\nHost: localhost\r\n folded\r\nContent-Length: 2\r\n\r\n{}", 400},
        {"body over the bound",
         "POST / HTTP/1.1\r\nHost: localhost\r\nContent-Length: 5000000\r\n\r\n{", 413},
        {"head over the bound", "POST / HTTP/1.1\r\nHost: " + QByteArray(20000, 'x') + "\r\n\r\n",
         431},
        {"body never finished",
         "POST / HTTP/1.1\r\nHost: localhost\r\nContent-Length: 100\r\n\r\n{\"name\"", 408},
    };
    for (const auto& bad : cases) {
        const Reply reply = exchange(bad.request);
        EXPECT_EQ(reply.status, bad.status) << bad.what;
        EXPECT_FALSE(reply.body.trimmed().isEmpty()) << bad.what;
    }
    EXPECT_EQ(rejections.size(), std::size(cases));
    EXPECT_EQ(unreadProblems.size(), 6) << "only the bodies read as problems";

    EXPECT_EQ(exchange(post(valid)).status, 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return batches.size() == 1; }, 5000));
    EXPECT_EQ(batchAt(batches, 0).problems.first().name, u"A"_s);
}

TEST_F(ReceiverTest, ConnectionsOverTheBoundAreRefusedAndStalledOnesTimeOut) {
    std::vector<std::unique_ptr<QTcpSocket>> stalled;
    for (int i = 0; i < 4; ++i) {
        stalled.push_back(std::make_unique<QTcpSocket>());
        stalled.back()->connectToHost(QHostAddress::LocalHost, port);
        ASSERT_TRUE(stalled.back()->waitForConnected(5000));
    }

    EXPECT_EQ(exchange(post(problemJson(u"A"_s, {}, 1))).status, 503);

    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(stalled.begin(), stalled.end(), [](const auto& socket) {
                return socket->state() == QAbstractSocket::UnconnectedState;
            });
        },
        10000));
    for (const auto& socket : stalled)
        EXPECT_TRUE(socket->readAll().startsWith("HTTP/1.1 408 "));
    EXPECT_EQ(exchange(post(problemJson(u"A"_s, {}, 1))).status, 200);
}

} // namespace
