#include "runner_test_support.h"
#include "support/printers.h"
#include "support/process_runner.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString problems = QStringLiteral(CORVANTA_TEST_DATA_DIR "/problems");
const QString allPassed = u"🦦🦦🎉 결과: 3/3 통과 - 모든 테스트 통과! 이예이\n"
                          u"═══════════════════════════════════════════\n"_s;

ProcessOutcome runVerb(const QStringList& arguments) {
    return runCli(QStringList{u"run"_s} + arguments);
}

QString solution(const QString& problem, const QString& name) {
    return problems + u'/' + problem + u"/solutions/"_s + name;
}

QString tests(const QString& problem) {
    return problems + u'/' + problem + u"/tests"_s;
}

// Every language, every spelling of a C++ file compilers accept, and any file
// once its language is named.
TEST(RunCommandTest, AcceptedSolutionsPassInEveryLanguage) {
    for (const char* tool : {"gcc", "g++", "python3", "javac", "mcs"})
        ASSERT_TRUE(toolInstalled(tool));
    QTemporaryDir copies;
    const struct {
        QString problem;
        QString file;
        QString language;
        QString copy = {};
        QStringList extra = {};
    } cases[] = {
        {u"aplusb"_s, u"sum.c"_s, u"C"_s},
        {u"aplusb"_s, u"sum.cpp"_s, u"C++"_s},
        {u"aplusb"_s, u"sum.py"_s, u"Python"_s},
        {u"aplusb"_s, u"sum.java"_s, u"Java"_s},
        {u"aplusb"_s, u"sum.cs"_s, u"C#"_s},
        {u"sort"_s, u"sort.cpp"_s, u"C++"_s},
        {u"sort"_s, u"sort.py"_s, u"Python"_s},
        {u"aplusb"_s, u"sum.cpp"_s, u"C++"_s, u"sum.cc"_s},
        {u"aplusb"_s, u"sum.cpp"_s, u"C++"_s, u"sum.c++"_s},
        {u"aplusb"_s, u"sum.cpp"_s, u"C++"_s, u"sum.txt"_s, {u"--language"_s, u"cpp"_s}},
    };
    for (const auto& c : cases) {
        const QString name = c.copy.isEmpty() ? c.file : c.copy;
        SCOPED_TRACE(name.toStdString());
        QString path = solution(c.problem, c.file);
        if (!c.copy.isEmpty()) {
            ASSERT_TRUE(QFile::copy(path, copies.filePath(c.copy)));
            path = copies.filePath(c.copy);
        }
        const ProcessOutcome run = runVerb(QStringList{path, tests(c.problem)} + c.extra);
        EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
        EXPECT_TRUE(run.out.startsWith(
            u"╔══════════════════════════════════════════╗\n║  🦦 "_s +
            name + u"\n║  🦦 "_s + c.language + u" | ⏱️ 총 "_s));
        EXPECT_TRUE(run.out.endsWith(allPassed)) << run.out.toStdString();
        EXPECT_TRUE(run.err.isEmpty());
        if (c.problem == u"aplusb"_s) {
            // 1.in, 2.in, 10.in: natural order of the names.
            const QString& report = run.out;
            EXPECT_LT(report.indexOf(u"│ 3\n"_s), report.indexOf(u"│ 30\n"_s));
            EXPECT_LT(report.indexOf(u"│ 30\n"_s), report.indexOf(u"│ 0\n"_s));
        }
    }
}

// Several files against one folder, each report after its name; the call
// fails when one of them does. Two Java files bring up the compile server,
// which may change neither a result nor the tool's ending.
TEST(RunCommandTest, SeveralFilesAreJudgedInTurn) {
    ASSERT_TRUE(toolInstalled("javac"));
    const QString folder = tests(u"aplusb"_s);
    const QString java = solution(u"aplusb"_s, u"sum.java"_s);
    QTemporaryDir copies;
    const QString edited = copies.filePath(u"edited.java"_s);
    writeFile(edited, readFile(java) + "// edited, so no compiled copy serves\n");
    qunsetenv("CORVANTA_RESIDENT");
    const ProcessOutcome passing = runCli({u"run"_s, java, edited, folder}, 300000);
    qputenv("CORVANTA_RESIDENT", "off");
    EXPECT_EQ(passing.exitCode, 0) << passing.out.toStdString();
    EXPECT_TRUE(passing.out.startsWith(u"==> "_s + java + u" <==\n"_s));
    EXPECT_TRUE(passing.out.contains(allPassed + u"==> "_s + edited + u" <==\n"_s));
    EXPECT_TRUE(passing.out.endsWith(allPassed));

    const ProcessOutcome failing =
        runVerb({solution(u"aplusb"_s, u"wrong.cpp"_s), solution(u"aplusb"_s, u"sum.c"_s), folder});
    EXPECT_EQ(failing.exitCode, 1);
    EXPECT_EQ(failing.out.count(allPassed), 1);
}

TEST(RunCommandTest, BadUsage) {
    const QString sum = solution(u"aplusb"_s, u"sum.c"_s);
    const QString folder = tests(u"aplusb"_s);
    const QStringList cases[] = {
        {},
        {sum},
        {sum, folder, u"extra"_s},
        {problems + u"/notes.rb"_s, folder},
        {problems + u"/missing.cpp"_s, folder},
        {sum, problems + u"/missing"_s},
        {sum, folder, u"--timeout"_s},
        {sum, folder, u"--timeout"_s, u"-1"_s},
        {sum, folder, u"--timeout"_s, u"soon"_s},
        {sum, folder, u"--memory"_s},
        {sum, folder, u"--memory"_s, u"-1"_s},
        {sum, folder, u"--verbose"_s},
        {sum, folder, u"--compare"_s, u"float:x"_s},
        {sum, folder, u"--compare"_s, u"tokens"_s, u"--checker"_s, sum},
        {sum, folder, u"--checker"_s, sum, u"--interactor"_s, sum},
        {sum, folder, u"--checker-style"_s, u"package"_s},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const ProcessOutcome run = runVerb(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(u"usage: corvanta-cli run FILE... TESTDIR"_s));
    }
}

// Per case its name, verdict and figures; the limits it was judged by; a
// compile error once, for the run.
TEST(RunCommandTest, JsonCarriesTheVerdicts) {
    ASSERT_TRUE(toolInstalled("gcc"));
    QTemporaryDir folder;
    // Fills as many MiB as its input says, then prints the number.
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANTA_TEST_DATA_DIR "/programs/big.c"),
                            folder.filePath(u"big.c"_s)));
    writeFile(folder.filePath(u"broken.c"_s), "int main(void) { return }\n");
    const std::pair<QString, QByteArray> files[] = {
        {u"cases/fits.in"_s, "16\n"},  {u"cases/fits.out"_s, "16\n"}, {u"cases/wrong.in"_s, "8\n"},
        {u"cases/wrong.out"_s, "9\n"}, {u"cases/large.in"_s, "80\n"}, {u"cases/fails.in"_s, "x\n"}};
    for (const auto& [path, content] : files)
        writeFile(folder.filePath(path), content);

    const ProcessOutcome run = runVerb({folder.filePath(u"big.c"_s), folder.filePath(u"cases"_s),
                                        u"--json"_s, u"--memory"_s, u"64"_s});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(json[u"verdict"_s], u"runtime-error"_s);
    EXPECT_EQ(json[u"limits"_s][u"memoryLimitKiB"_s], 64 * 1024);
    const QJsonArray cases = json[u"cases"_s].toArray();
    const std::tuple<QString, QString, int> expected[] = {
        {u"fails"_s, u"runtime-error"_s, 0},
        {u"fits"_s, u"accepted"_s, 16},
        {u"large"_s, u"memory-limit"_s, 64},
        {u"wrong"_s, u"wrong-answer"_s, 8},
    };
    ASSERT_EQ(cases.size(), 4) << run.out.toStdString();
    for (int i = 0; i < 4; ++i) {
        const auto& [name, verdict, leastMiB] = expected[i];
        EXPECT_EQ(cases[i][u"name"_s], name);
        EXPECT_EQ(cases[i][u"verdict"_s], verdict);
        EXPECT_GE(cases[i][u"peakMemoryKiB"_s].toInteger(), leastMiB * 1024) << i;
        EXPECT_GT(cases[i][u"wallMs"_s].toDouble(), 0);
    }
    EXPECT_EQ(cases[0][u"exitCode"_s], 4);

    const ProcessOutcome broken =
        runVerb({folder.filePath(u"broken.c"_s), folder.filePath(u"cases"_s), u"--json"_s});
    const QJsonObject error = QJsonDocument::fromJson(broken.out.toUtf8()).object();
    EXPECT_EQ(error[u"verdict"_s], u"compile-error"_s);
    EXPECT_TRUE(error[u"compileMessages"_s].toString().contains(u"broken.c:1:"_s))
        << broken.out.toStdString();
}

// The program sits in a process group of its own, where the terminal's
// Ctrl+C does not reach: the tool has to stop it.
TEST(RunCommandTest, InterruptStopsTheRunAndKillsTheProgram) {
    ASSERT_TRUE(toolInstalled("gcc"));
    QTemporaryDir folder;
    const QString pidFile = folder.filePath(u"pid"_s);
    writeFile(folder.filePath(u"waits.c"_s),
              "#include <stdio.h>\n#include <unistd.h>\nint main(void) {\n"
              "    FILE* f = fopen(\"" +
                  pidFile.toUtf8() +
                  "\", \"w\");\n"
                  "    fprintf(f, \"%d\", (int)getpid());\n    fclose(f);\n"
                  "    for (;;) pause();\n}\n");
    writeFile(folder.filePath(u"1.in"_s), "");
    writeFile(folder.filePath(u"2.in"_s), "");

    QProcess cli;
    cli.start(QStringLiteral(CORVANTA_CLI_PATH),
              {u"run"_s, folder.filePath(u"waits.c"_s), folder.path(), u"--timeout"_s, u"0"_s});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(pidFile).size() > 0; }, 60000));
    ::kill(pid_t(cli.processId()), SIGINT);
    ASSERT_TRUE(cli.waitForFinished(10000));

    const QString report = QString::fromUtf8(cli.readAllStandardOutput());
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_TRUE(report.contains(u"⏹️ 실행 중지됨"_s)) << report.toStdString();
    EXPECT_TRUE(report.contains(u"📊 결과: 0/1 통과\n"_s)) << report.toStdString();
    EXPECT_TRUE(becomesDead(readFile(pidFile)));
}

} // namespace

// The layout of a contest problem package runs as it is: cases one and two
// folders down, in natural order of their paths; a case without an answer
// passes when the program runs; cases at the top win.
TEST(RunCommandTest, NestedProblemPackageRunsInNaturalOrderOfPaths) {
    QTemporaryDir package;
    const QString sum = solution(u"aplusb"_s, u"sum.py"_s);
    const std::pair<QString, QByteArray> files[] = {
        {u"data/sample/1.in"_s, "1 1\n"},    {u"data/sample/1.ans"_s, "2\n"},
        {u"data/secret/10.in"_s, "10 10\n"}, {u"data/secret/10.ans"_s, "20\n"},
        {u"data/secret/2.in"_s, "2 2\n"},    {u"data/secret/2.ans"_s, "4\n"},
        {u"extra/3.in"_s, "3 3\n"},          {u"extra/3.ans"_s, "6\n"},
        {u"extra/4.in"_s, "4 4\n"},
    };
    for (const auto& [path, content] : files)
        writeFile(package.filePath(path), content);

    const ProcessOutcome nested = runVerb({sum, package.path()});
    EXPECT_EQ(nested.exitCode, 0) << nested.out.toStdString();
    const qsizetype positions[] = {nested.out.indexOf(u"│ 2\n"_s), nested.out.indexOf(u"│ 4\n"_s),
                                   nested.out.indexOf(u"│ 20\n"_s), nested.out.indexOf(u"│ 6\n"_s),
                                   nested.out.indexOf(u"│ 8\n"_s)};
    EXPECT_TRUE(std::is_sorted(std::begin(positions), std::end(positions)) && positions[0] >= 0)
        << nested.out.toStdString();

    writeFile(package.filePath(u"top.in"_s), "5 5\n");
    const ProcessOutcome top = runVerb({sum, package.path()});
    EXPECT_TRUE(top.out.contains(u"1/1 통과"_s)) << top.out.toStdString();
}

// Every submission of a package, judged as the package lays out (its
// validator, its interactor, its memory limit), gets the verdict its folder
// names. A shorter time limit than the packages' keeps the spinning ones brief.
TEST(RunCommandTest, PackageSubmissionsGetTheVerdictsTheirFoldersName) {
    for (const char* tool : {"gcc", "g++", "python3", "javac", "mcs", "mono"})
        ASSERT_TRUE(toolInstalled(tool));
    const QMap<QString, QString> verdictOfFolder = {{u"accepted"_s, u"accepted"_s},
                                                    {u"wrong_answer"_s, u"wrong-answer"_s},
                                                    {u"run_time_error"_s, u"runtime-error"_s},
                                                    {u"time_limit_exceeded"_s, u"time-limit"_s}};
    const struct {
        QString name;
        QString judgedBy;
        int memoryMB;
    } packages[] = {{u"hello"_s, u"tokens"_s, 256},
                    {u"division"_s, u"checker validator.cpp (package)"_s, 256},
                    {u"interactive_sum"_s, u"interactor interactor.py (package)"_s, 128}};
    for (const auto& package : packages) {
        SCOPED_TRACE(package.name.toStdString());
        const QString folder = QStringLiteral(CORVANTA_TEST_DATA_DIR "/packages/") + package.name;
        QStringList files;
        QDirIterator it(folder + u"/submissions"_s, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
        const ProcessOutcome run =
            runVerb(files + QStringList{folder, u"--json"_s, u"--timeout"_s, u"3"_s});
        EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
        const QJsonArray runs = QJsonDocument::fromJson(run.out.toUtf8()).array();
        ASSERT_EQ(runs.size(), files.size()) << run.out.toStdString();
        for (qsizetype i = 0; i < files.size(); ++i) {
            const QString label = QFileInfo(QFileInfo(files[i]).path()).fileName();
            EXPECT_EQ(runs[i][u"verdict"_s].toString(), verdictOfFolder.value(label))
                << files[i].toStdString();
            EXPECT_EQ(runs[i][u"judgedBy"_s].toString(), package.judgedBy);
            EXPECT_EQ(runs[i][u"limits"_s][u"memoryLimitKiB"_s].toInt(), package.memoryMB * 1024);
        }
    }
}

// A folder without cases would otherwise report zero of zero passed: a
// mistyped path must not look like success.
TEST(RunCommandTest, FolderWithoutCasesIsAnError) {
    QTemporaryDir folder;
    writeFile(folder.filePath(u"a/b/c/1.in"_s), "1 2\n");
    writeFile(folder.filePath(u"notes.txt"_s), "");
    const ProcessOutcome run = runVerb({solution(u"aplusb"_s, u"sum.py"_s), folder.path()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith(u"corvanta-cli run: no test cases in "_s))
        << run.err.toStdString();
}
