// Posts a judge problem the way the browser extension does (a new connection,
// the JSON body) to the problem receiver and prints the median and the 95th
// percentile of the time from the connection to the whole answer. The
// extension gives up after half a second.

#include "problems/problem_receiver.h"
#include "support/bench_stats.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <cstdio>
#include <vector>

namespace {

constexpr int runs = 200;

const QByteArray problemJson =
    R"({"name":"A+B","group":"Baekjoon Online Judge","url":"https://www.acmicpc.net/problem/1000",)"
    R"("interactive":false,"memoryLimit":128,"timeLimit":2000,)"
    R"("tests":[{"input":"1 2\n","output":"3\n"}],"testType":"single","input":{"type":"stdin"},)"
    R"("output":{"type":"stdout"},"languages":{"java":{"mainClass":"Main","taskClass":"AB"}},)"
    R"("batch":{"id":"5c1bd4a4-3f0e-4a51-9a0e-0d0a3e4f7b21","size":1}})";

// Milliseconds from the connection to the answer's last byte; negative when
// the answer is not a 200.
double timedPost(quint16 port, const QByteArray& request) {
    QElapsedTimer clock;
    clock.start();
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    if (!client.waitForConnected(5000))
        return -1;
    client.write(request);
    QByteArray answer;
    while (client.waitForReadyRead(5000)) {
        answer += client.readAll();
        const qsizetype headEnd = answer.indexOf("\r\n\r\n");
        const qsizetype lengthAt = answer.indexOf("Content-Length: ");
        if (headEnd < 0 || lengthAt < 0)
            continue;
        const qsizetype lengthEnd = answer.indexOf("\r\n", lengthAt);
        const int length = answer.mid(lengthAt + 16, lengthEnd - lengthAt - 16).toInt();
        if (answer.size() >= headEnd + 4 + length)
            return answer.startsWith("HTTP/1.1 200 ") ? double(clock.nsecsElapsed()) / 1e6 : -1;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ProblemReceiver receiver;
    const ReceiverStatus status = receiver.listen(0);
    if (status.state != ReceiverStatus::State::listening) {
        std::fprintf(stderr, "%s\n", qPrintable(receiverStatusText(status)));
        return 1;
    }
    int received = 0;
    QObject::connect(&receiver, &ProblemReceiver::batchReceived, [&] { ++received; });

    const QByteArray request =
        "POST / HTTP/1.1\r\nHost: localhost:" + QByteArray::number(status.port) +
        "\r\nContent-Type: text/plain;charset=UTF-8\r\nContent-Length: " +
        QByteArray::number(problemJson.size()) + "\r\n\r\n" + problemJson;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double milliseconds = timedPost(status.port, request);
        if (milliseconds < 0) {
            std::fprintf(stderr, "post %d was not answered 200\n", i);
            return 1;
        }
        times.push_back(milliseconds);
    }
    QElapsedTimer drain;
    drain.start();
    while (received < runs && drain.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (received != runs) {
        std::fprintf(stderr, "%d of %d problems were handed on\n", received, runs);
        return 1;
    }
    printFigure("intake_reply_ms", median(times));
    printFigure("intake_reply_p95_ms", percentile(times, 0.95));
    return 0;
}
