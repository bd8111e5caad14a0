#include "runner/compile_servers.h"
#include "runner/judge_run.h"
#include "runner_test_support.h"
#include "support/printers.h"
#include "support/test_cases.h"

#include <QSignalSpy>
#include <QThread>
#include <QUuid>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int serverStartMs = 180000;

// The session's servers, which the test main turns off, on.
class CompileServersTest : public ::testing::Test {
protected:
    void SetUp() override { qunsetenv("CORVANTA_RESIDENT"); }
    void TearDown() override { qputenv("CORVANTA_RESIDENT", "off"); }

    // Null when it did not start in time.
    static ResidentCompiler* runningServer(ProgrammingLanguage language) {
        CompileServers::session().start(language, ResidentCompiler::Priority::normal);
        ResidentCompiler* server = CompileServers::session().server(language);
        const bool running =
            QTest::qWaitFor([&] { return server->processId() != 0; }, serverStartMs);
        return running ? server : nullptr;
    }
};

// A run of a source no earlier run compiled, so the compile cache cannot
// answer for the compiler.
bool javaSumPasses() {
    const FileItem file =
        FileItem::make(u"Main.java"_s, ProgrammingLanguage::java,
                       u"// "_s + QUuid::createUuid().toString() +
                           u"\npublic class Main { public static void main(String[] a) {\n"
                           u"    java.util.Scanner in = new java.util.Scanner(System.in);\n"
                           u"    System.out.println(in.nextInt() + in.nextInt()); } }\n"_s);
    JudgeRun run(file, {testCase(u"40 2\n"_s, u"42\n"_s)},
                 RunLimits{.timeLimitMs = 10000, .timeoutSeconds = 10});
    QSignalSpy finished(&run, &JudgeRun::finished);
    run.start();
    return finished.wait(serverStartMs) && finished.at(0).at(1).toBool();
}

// The same exit status and the same bytes on both streams for every source,
// and for Java the same class files.
TEST_F(CompileServersTest, AnswersExactlyAsThePlainCompilers) {
    for (const char* tool : {"javac", "mcs", "mono"})
        ASSERT_TRUE(toolInstalled(tool));
    for (const QString& example : {u"errors/Main.java"_s, u"lambda/Main.java"_s,
                                   u"errors/solution.cs"_s, u"warning/solution.cs"_s}) {
        SCOPED_TRACE(example.toStdString());
        const QTemporaryDir folder;
        const QString source = folder.filePath(QFileInfo(example).fileName());
        ASSERT_TRUE(QFile::copy(
            QStringLiteral(CORVANTA_TEST_DATA_DIR "/compile_servers/") + example, source));
        const bool java = source.endsWith(u".java"_s);
        const auto arguments = [&](const QString& output) {
            const QString path = folder.filePath(output);
            return java ? QStringList{u"-d"_s, path, source}
                        : QStringList{u"-out:"_s + path + u".exe"_s, source};
        };
        ProgramRun plainCompiler(u"/usr/bin/env"_s,
                                 QStringList{java ? u"javac"_s : u"mcs"_s} + arguments(u"plain"_s));
        const ProgramRun::Outcome plain = plainCompiler.run();
        ResidentCompiler* server =
            runningServer(java ? ProgrammingLanguage::java : ProgrammingLanguage::csharp);
        ASSERT_TRUE(server);
        const std::optional<ProgramRun::Outcome> resident =
            server->compile(arguments(u"resident"_s));
        ASSERT_TRUE(resident) << "the server did not answer";
        EXPECT_EQ(resident->exitCode, plain.exitCode);
        EXPECT_EQ(resident->standardOutput, plain.standardOutput);
        EXPECT_EQ(resident->standardError, plain.standardError);
        if (java && plain.exitCode == 0) {
            for (const QString& name : QDir(folder.filePath(u"plain"_s)).entryList(QDir::Files)) {
                EXPECT_EQ(readFile(folder.filePath(u"resident/"_s + name)),
                          readFile(folder.filePath(u"plain/"_s + name)))
                    << name.toStdString();
            }
        }
    }
}

// Whatever becomes of the server, the run gets its verdict from the plain
// compiler: turned off it is never asked (stopped here, it would hold the run
// up for an hour), killed mid-compile or hung past the limit it is replaced.
TEST_F(CompileServersTest, RunsPassWhenTheServerIsOffKilledOrHung) {
    ASSERT_TRUE(toolInstalled("javac"));
    ResidentCompiler* server = runningServer(ProgrammingLanguage::java);
    ASSERT_TRUE(server);
    EXPECT_TRUE(javaSumPasses());

    const qint64 stopped = server->processId();
    ::kill(pid_t(stopped), SIGSTOP);
    server->setAnswerTimeLimit(std::chrono::hours(1));
    qputenv("CORVANTA_RESIDENT", "off");
    EXPECT_TRUE(javaSumPasses());
    qunsetenv("CORVANTA_RESIDENT");

    // Killed once the request waits in its input.
    bool passed = false;
    QThread* runner = QThread::create([&] { passed = javaSumPasses(); });
    runner->start();
    const int input =
        ::open(QByteArray("/proc/" + QByteArray::number(stopped) + "/fd/0").constData(),
               O_RDONLY | O_NONBLOCK);
    pollfd request{input, POLLIN, 0};
    EXPECT_EQ(::poll(&request, 1, serverStartMs), 1);
    ::close(input);
    ::kill(pid_t(stopped), SIGKILL);
    ASSERT_TRUE(QTest::qWaitFor([&] { return runner->isFinished(); }, serverStartMs));
    delete runner;
    EXPECT_TRUE(passed);

    server->setAnswerTimeLimit(std::chrono::milliseconds(200));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return server->processId() != 0 && server->processId() != stopped; }, serverStartMs));
    const qint64 hung = server->processId();
    ::kill(pid_t(hung), SIGSTOP);
    EXPECT_TRUE(javaSumPasses());
    EXPECT_TRUE(becomesDead(QByteArray::number(hung)));
    server->setAnswerTimeLimit(ResidentCompiler::defaultAnswerTimeLimit);
}

} // namespace
