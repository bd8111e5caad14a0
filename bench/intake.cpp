// Posts a judge problem the way the browser extension does (a new connection,
// the JSON body) to the window's problem receiver, with the large workspace of
// the start-up benchmark loaded, and prints the median and the 95th
// percentile of two times: from the connection to the whole answer (the
// extension gives up after half a second), and from the connection to the new
// file in the workspace with its cases.

#include "base/app_identity.h"
#include "problems/problem_receiver.h"
#include "support/bench_stats.h"
#include "support/large_workspace.h"
#include "ui/main_window.h"
#include "ui/problem_receiving.h"
#include "ui/window_context.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <vector>

namespace {

// Each post writes the large save file again, so fewer runs than a bare reply needs.
constexpr int runs = 40;

const QByteArray problemJson =
    R"({"name":"A+B","group":"Baekjoon Online Judge","url":"https://www.acmicpc.net/problem/1000",)"
    R"("interactive":false,"memoryLimit":128,"timeLimit":2000,)"
    R"("tests":[{"input":"1 2\n","output":"3\n"}],"testType":"single","input":{"type":"stdin"},)"
    R"("output":{"type":"stdout"},"languages":{"java":{"mainClass":"Main","taskClass":"AB"}},)"
    R"("batch":{"id":"5c1bd4a4-3f0e-4a51-9a0e-0d0a3e4f7b21","size":1}})";

// Milliseconds from the connection to the answer's last byte; negative when
// the answer is not a 200.
double timedPost(quint16 port, const QByteArray& request, QElapsedTimer& clock) {
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

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    usePrivateHome(home.path());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A judge that refuses at once: the benchmark never reaches the real one.
    qputenv("CORVANTA_JUDGE_URL", "http://127.0.0.1:9");
    qputenv("CORVANTA_TIER_URL", "http://127.0.0.1:9");
    QApplication app(argc, argv);
    setAppIdentity();
    writeSaveFile(home.path() + QStringLiteral("/.local/share/Corvanta"),
                  encodeWorkspace(largeWorkspace(10)));
    WindowContext owners;
    owners.settings.setOnboarding({.hasSeenOnboarding = true});
    owners.settings.setReceiving({.receiving = true, .port = freePort()});
    MainWindow window(owners);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was not exposed\n");
        return 1;
    }
    ProblemReceiving& receiving = window.receiving();
    receiving.start();
    if (receiving.status().state != ReceiverStatus::State::listening) {
        std::fprintf(stderr, "%s\n", qPrintable(receiverStatusText(receiving.status())));
        return 1;
    }
    // Said once the files and their cases are in the workspace; that is the end.
    int arrived = 0;
    QObject::connect(&receiving, &ProblemReceiving::arrived, [&] { ++arrived; });

    const QByteArray request =
        "POST / HTTP/1.1\r\nHost: localhost\r\nContent-Type: text/plain;charset=UTF-8\r\n"
        "Content-Length: " +
        QByteArray::number(problemJson.size()) + "\r\n\r\n" + problemJson;
    std::vector<double> replies;
    std::vector<double> toFile;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        const double replyMs = timedPost(receiving.status().port, request, clock);
        if (replyMs < 0) {
            std::fprintf(stderr, "post %d was not answered 200\n", i);
            return 1;
        }
        if (!QTest::qWaitFor([&] { return arrived == i + 1; }, 10000)) {
            std::fprintf(stderr, "post %d made no file\n", i);
            return 1;
        }
        replies.push_back(replyMs);
        toFile.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    printFigure("intake_reply_ms", median(replies));
    printFigure("intake_reply_p95_ms", percentile(replies, 0.95));
    printFigure("intake_to_file_ms", median(toFile));
    printFigure("intake_to_file_p95_ms", percentile(toFile, 0.95));
    return 0;
}
