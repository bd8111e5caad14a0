#include "local_http_server.h"
#include "problems/problem_intake.h"
#include "problems/problem_receiver.h"
#include "problems/problem_session.h"
#include "support/files.h"
#include "support/printers.h"
#include "support/test_support.h"
#include "ui/window_context.h"

#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The browser, the receiver, the intake and a judge on 127.0.0.1, as the
// window joins them.
class IntakeTest : public ::testing::Test {
protected:
    IntakeTest()
        : owners({judge.baseUrl(), judge.baseUrl(), judge.baseUrl()}),
          intake(owners.workspace, owners.problems) {
        port = receiver.listen(0).port;
        QObject::connect(&receiver, &ProblemReceiver::batchReceived,
                         [this](const ReceivedBatch& batch) {
                             const ProblemIntake::Outcome outcome = intake.receive(batch);
                             files.append(outcome.files);
                             messages.append(outcome.message);
                         });
    }

    const CaseList& ownCases(const QUuid& fileId) const {
        static const CaseList none;
        const CaseList* list = owners.workspace.cases().ownList(fileId);
        return list ? *list : none;
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
        for (const FileItem& file : owners.workspace.files()) {
            if (file.folderId == folderId)
                result.append(file.name);
        }
        return result;
    }

    // Before the workspace loads: each test starts from an empty one.
    struct FirstRun {
        FirstRun() { startAsFirstRun(); }
    } firstRun;
    LocalHttpServer judge;
    WindowContext owners;
    ProblemReceiver receiver;
    quint16 port = 0;
    QList<QUuid> files;
    QStringList messages;
    ProblemIntake intake;
};

TEST_F(IntakeTest, BaekjoonProblemBecomesItsNumberedFileWithSamplesLimitsAndThePage) {
    const QByteArray body =
        readFile(QStringLiteral(CORVANTA_TEST_DATA_DIR "/intake/baekjoon-1000.json"));
    post(body);
    ASSERT_TRUE(QTest::qWaitFor([&] { return files.size() == 1; }, 5000));

    const FileItem* file = owners.workspace.file(files[0]);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->name, u"1000.cpp"_s);
    EXPECT_EQ(owners.workspace.fileText(file->id),
              owners.settings.templates().text(file->language));
    const CaseList& own = ownCases(file->id);
    ASSERT_EQ(own.cases.size(), 1);
    EXPECT_EQ(own.cases[0].input, u"1 2\n"_s);
    EXPECT_EQ(own.cases[0].expectedOutput, u"3\n"_s);
    EXPECT_EQ(own.judge.timeLimitMs, 2000);
    EXPECT_EQ(own.judge.memoryLimitMb, 128);
    EXPECT_EQ(owners.workspace.cases().testCases(), own.cases) << "the new file is shown";
    EXPECT_EQ(messages, QStringList{u"문제를 받았습니다: 1000.cpp"_s});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::any_of(
                judge.requests().begin(), judge.requests().end(),
                [](const auto& request) { return request.target == "/problem/1000"; });
        },
        5000));

    // The same problem again is a second file; the work in the first stays.
    owners.workspace.setFileText(file->id, u"int main() { return 0; }"_s);
    post(body);
    ASSERT_TRUE(QTest::qWaitFor([&] { return files.size() == 2; }, 5000));
    EXPECT_EQ(names(std::nullopt), (QStringList{u"1000.cpp"_s, u"1000_1.cpp"_s}));
    EXPECT_EQ(owners.workspace.fileText(files[0]), u"int main() { return 0; }"_s);
}

TEST_F(IntakeTest, ContestBecomesAFolderOfItsProblemsInOrder) {
    for (const QString& name : {u"A. Sum"_s, u"B. Castle"_s, u"C. Queries"_s}) {
        post(uR"({"name":"%1","group":"Codeforces - Round 1","url":"https://codeforces.com/x",
                  "memoryLimit":256,"timeLimit":1000,"tests":[],"batch":{"id":"b","size":3}})"_s
                 .arg(name)
                 .toUtf8());
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return files.size() == 3; }, 5000));

    ASSERT_EQ(owners.workspace.folders().size(), 1);
    EXPECT_EQ(owners.workspace.folders()[0].name, u"Round_1"_s);
    EXPECT_EQ(names(owners.workspace.folders()[0].id),
              (QStringList{u"A_Sum.cpp"_s, u"B_Castle.cpp"_s, u"C_Queries.cpp"_s}));
    EXPECT_EQ(messages, QStringList{u"대회 문제 3개를 받았습니다: Round_1"_s});
}

} // namespace
