#include "runner/code_runner.h"
#include "runner/run_report.h"
#include "runner_test_support.h"
#include "support/printers.h"

#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Language = ProgrammingLanguage;

// A text exactly, or (the tools' own diagnostics) starting with `text` and
// holding `piece` somewhere.
void expectText(const QString& actual, const QString& text, const QString& piece) {
    if (piece.isEmpty())
        EXPECT_EQ(actual, text);
    else
        EXPECT_TRUE(actual.startsWith(text) && actual.contains(piece)) << actual.toStdString();
}

// `text` is what a card shows: the output, or the message of a failure.
struct Case {
    const char* name;
    QString code;
    Verdict verdict;
    QString text;
    QString piece = {};
    QString input = {};
};

// No case here is about the time limit; a generous one keeps a loaded machine
// (a slow interpreter start, a slow pipe) from turning a flood into a time-out.
const RunLimits generous{60000, qint64(256) * 1024, 60};

void check(Language language, std::initializer_list<Case> cases,
           const RunLimits& limits = generous) {
    for (const Case& c : cases) {
        SCOPED_TRACE(rawValue(language).toStdString() + ": " + c.name);
        const CaseResult result = CodeRunner::run(c.code, language, c.input, limits);
        EXPECT_EQ(result.verdict, c.verdict);
        expectText(shownText(result), c.text, c.piece);
    }
}

QString cMain(const QString& body) {
    return u"#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n#include <time.h>\n"
           u"int main(void) { "_s +
           body + u" }\n"_s;
}

bool isPrivate(const QFileInfo& folder) {
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    return folder.isDir() && (folder.permissions() & others) == 0 &&
           (folder.permissions() & owner) == owner;
}

const QString cSum = cMain(uR"(int a, b; scanf("%d %d", &a, &b); printf("%d\n", a + b);)"_s);

const QString javaSum =
    dataFile(QStringLiteral(CORVANTA_TEST_DATA_DIR "/problems/aplusb/solutions/sum.java")).content;

const Verdict accepted{VerdictKind::accepted};
const Verdict compileError{VerdictKind::compileError};
const Verdict memoryLimit{VerdictKind::memoryLimit};

Verdict runtimeError(int exitCode, int signal = 0) {
    return {VerdictKind::runtimeError, exitCode, signal};
}

// A card shows the output, or what each language's tools said of a failure.
// Accepted programs in every language are run by the command-line tests.
TEST(CodeRunnerTest, EachLanguagesFailuresShowWhatItsToolsSaid) {
    for (const char* tool : {"gcc", "g++", "python3", "javac", "java", "mcs", "mono"})
        ASSERT_TRUE(toolInstalled(tool));
    const QString partial = uR"(printf("partial"); fprintf(stderr, "boom\n"); return 3;)"_s;
    check(
        Language::c,
        {
            {"standard error is dropped on success",
             cMain(uR"(fprintf(stderr, "note\n"); printf("ok\n"); return 0;)"_s), accepted,
             u"ok\n"_s},
            {"a failure shows standard error", cMain(partial), runtimeError(3), u"boom\n"_s},
            {"and nothing else", cMain(uR"(printf("partial"); return 1;)"_s), runtimeError(1),
             QString()},
            {"crash", cMain(u"abort();"_s), runtimeError(0, SIGABRT), QString()},
            {"compile error", u"int main(void) { return }"_s, compileError, QString(), u"error"_s},
        });
    const QString curlyQuotes = uR"(#include <iostream>
int main() { int a, b; std::cin >> a >> b; std::cout << “sum ” << a + b << ‘\n’; })"_s;
    check(Language::cpp,
          {
              {"curly quotes typed by a text system compile", curlyQuotes, accepted, u"sum 42\n"_s,
               QString(), u"40 2"_s},
              {"compile error", u"int main() { undeclared(); }"_s, compileError, QString(),
               u"undeclared"_s},
              // Linked fast, but a failure reads as the system linker has always put it.
              {"link error", u"int missing();\nint main() { return missing(); }\n"_s, compileError,
               QString(), u"undefined reference to `missing()'"_s},
          });
    check(Language::python,
          {
              {"exception", u"raise ValueError('bad value')\n"_s, runtimeError(1), u"Traceback"_s,
               u"ValueError: bad value"_s},
              {"invalid UTF-8 reads as nothing",
               u"import sys\nsys.stdout.buffer.write(b'\\xff\\xfe')\n"_s, accepted, QString()},
          });
    const QString javaThrows = uR"(public class Main {
    public static void main(String[] args) { throw new IllegalStateException("bad state"); }
})"_s;
    check(Language::java,
          {
              {"public class not named Main",
               u"public class Solution { public static void main(String[] a) {} }"_s, compileError,
               QString(), u"Solution.java"_s},
              {"exception", javaThrows, runtimeError(1), u"Exception"_s,
               u"IllegalStateException: bad state"_s},
          });
    const QString csThrows = uR"(class Program {
    static void Main() { throw new System.InvalidOperationException("bad state"); }
})"_s;
    check(Language::csharp,
          {
              {"compile error", u"class Program { static void Main( { } }"_s, compileError,
               QString(), u"error CS"_s},
              {"exception", csThrows, runtimeError(1), u"\nUnhandled Exception"_s, u"bad state"_s},
          });
}

// The timeout is the hard stop; the time limit decides by CPU time, or by wall
// time past twice the limit.
TEST(CodeRunnerTest, TimeLimit) {
    ASSERT_TRUE(toolInstalled("gcc"));
    const QString busy = cMain(u"while (clock() < CLOCKS_PER_SEC * 3 / 2) {} puts(\"done\");"_s);
    const QString sleeps = u"#include <unistd.h>\nint main(void) { sleep(30); }\n"_s;
    const Verdict timeLimit{VerdictKind::timeLimit};
    check(Language::c, {{"endless loop at the timeout", cMain(u"for (;;) {}"_s), timeLimit, {}}},
          RunLimits{1000, 0, 1});
    check(Language::c,
          {
              {"1.5 s of CPU on a 1 s problem", busy, timeLimit, {}},
              {"waiting past twice the limit", sleeps, timeLimit, {}},
          },
          RunLimits{1000, 0, 60});
}

// Near the limit a program runs out of memory its own way: killed, an
// exception, an interpreter's error.
TEST(CodeRunnerTest, MemoryLimitInEveryLanguage) {
    for (const char* tool : {"gcc", "g++", "python3", "javac", "mcs"})
        ASSERT_TRUE(toolInstalled(tool));
    const std::tuple<const char*, Language, QString> cases[] = {
        {"C", Language::c,
         cMain(u"size_t n = (size_t)300 << 20; char* p = malloc(n); memset(p, 1, n); "
               u"printf(\"%d\\n\", p[n - 1]);"_s)},
        {"C++", Language::cpp,
         u"#include <iostream>\n#include <vector>\nint main() { std::vector<char> v(size_t(300) "
         u"<< 20, 1); std::cout << int(v.back()); }\n"_s},
        {"Python", Language::python, u"print(len(b'x' * (300 << 20)))\n"_s},
        {"Java", Language::java,
         u"public class Main { public static void main(String[] a) { byte[] b = new "
         u"byte[300 << 20]; System.out.println(b.length); } }\n"_s},
        {"C#", Language::csharp,
         u"class P { static void Main() { var b = new byte[300 << 20]; "
         u"System.Console.WriteLine(b.Length); } }\n"_s},
        {"C, allocating without end", Language::c,
         cMain(u"for (;;) memset(malloc(1 << 20), 1, 1 << 20);"_s)},
    };
    for (const auto& [name, language, code] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(CodeRunner::run(code, language, {}, generous).verdict, memoryLimit);
    }
}

TEST(CodeRunnerTest, WithinTheMemoryLimit) {
    ASSERT_TRUE(toolInstalled("g++"));
    const CaseResult allocated = CodeRunner::run(
        cMain(u"size_t n = (size_t)200 << 20; char* p = malloc(n); memset(p, 1, n); "
              u"printf(\"%d\\n\", p[n - 1]);"_s),
        Language::c, {}, generous);
    EXPECT_EQ(allocated.verdict, accepted);
    EXPECT_GE(allocated.peakMemoryKiB, 200 * 1024);
    EXPECT_LT(allocated.peakMemoryKiB, 220 * 1024);

    // The stack is as large as the memory limit, as on the judge.
    check(Language::cpp, {{"recursion a million deep",
                           u"#include <cstdio>\nint depth(int n) { volatile char pad[64]; pad[0] = "
                           u"1; return n == 0 ? 0 : depth(n - 1) + pad[0]; }\nint main() { "
                           u"std::printf(\"%d\\n\", depth(1000000)); }\n"_s,
                           accepted, u"1000000\n"_s}});
}

TEST(CodeRunnerTest, OutputPastTheCapIsCutOff) {
    ASSERT_TRUE(toolInstalled("python3"));
    const QString flood = u"import sys\nwhile True:\n    sys.stdout.write('x' * 1048576)\n"_s;
    EXPECT_EQ(CodeRunner::run(flood, Language::python, {}, generous).verdict.kind,
              VerdictKind::outputLimit);
}

// Only a compiler's standard error counts, except for gcc and g++, whose
// standard output is the fallback.
TEST(CodeRunnerTest, DiagnosticsOnlyOnStandardOutput) {
    ScriptPath tools;
    for (const char* name : {"gcc", "javac", "mcs"})
        tools.addScript(QString::fromUtf8(name), "echo 'only on stdout'\nexit 1\n");
    const std::pair<Language, QString> cases[] = {
        {Language::c, u"only on stdout\n"_s},
        {Language::java, u"알 수 없는 컴파일 에러"_s},
        {Language::csharp, u"알 수 없는 컴파일 에러"_s},
    };
    for (const auto& [language, message] : cases) {
        const CaseResult result = CodeRunner::run(u"x"_s, language, {}, generous);
        EXPECT_EQ(result.verdict, compileError);
        EXPECT_EQ(result.message, message);
    }
}

// The launcher itself starts; it is the tool it looks for that is missing.
TEST(CodeRunnerTest, ToolMissingFromSearchPathIsReportedByTheLauncher) {
    ScriptPath empty(ScriptPath::replace);
    const std::tuple<Language, VerdictKind, QString> cases[] = {
        {Language::cpp, VerdictKind::compileError, u"g++"_s},
        {Language::java, VerdictKind::compileError, u"javac"_s},
        {Language::python, VerdictKind::runtimeError, u"python3"_s},
    };
    for (const auto& [language, kind, tool] : cases) {
        const CaseResult result = CodeRunner::run(u"x"_s, language, {}, generous);
        EXPECT_EQ(result.verdict.kind, kind);
        expectText(result.message, u"/usr/bin/env"_s, tool);
    }
}

TEST(PreparedProgramTest, WorkingFilesLiveInAPrivateFolder) {
    ASSERT_TRUE(toolInstalled("javac"));
    const std::tuple<Language, QString, QStringList> cases[] = {
        {Language::c, cSum, {u"input.txt"_s, u"solution.c"_s, u"solution_c"_s}},
        {Language::java,
         javaSum,
         {u"Main.class"_s, u"Main.java"_s, u"input.txt"_s, u"solution.java"_s}},
    };
    for (const auto& [language, code, files] : cases) {
        PreparedProgram program = PreparedProgram::prepare(code, language);
        program.execute(u"1 2"_s, generous);
        const QDir folder(program.workingFolder());
        EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name), files);

        const QFileInfo processFolder(QFileInfo(folder.path()).path());
        EXPECT_NE(processFolder.absoluteFilePath(), QDir::tempPath());
        EXPECT_TRUE(isPrivate(processFolder));
    }
}

TEST(PreparedProgramTest, CompiledProgramsAreReusedUntilSourceOrCompilerChanges) {
    ASSERT_TRUE(toolInstalled("g++"));
    ASSERT_TRUE(toolInstalled("gcc"));
    const QString realCompiler = QStandardPaths::findExecutable(u"g++"_s);
    const QString realCCompiler = QStandardPaths::findExecutable(u"gcc"_s);
    ScriptPath tools;
    tools.addCountingWrapper(u"g++"_s, realCompiler);
    tools.addCountingWrapper(u"gcc"_s, realCCompiler);
    const QString source = u"#include <cstdio>\nint main() { std::puts(\"v1\"); }\n"_s;
    QString edited = source;
    edited.replace(u"v1"_s, u"v2"_s);
    // Each run must behave like a fresh one.
    const auto expectRuns = [&](const QString& code, const QString& output, int calls) {
        PreparedProgram program = PreparedProgram::prepare(code, Language::cpp);
        EXPECT_EQ(program.execute({}, generous).output, output);
        EXPECT_EQ(tools.calls(), calls);
    };

    expectRuns(source, u"v1\n"_s, 1);
    expectRuns(source, u"v1\n"_s, 1);
    expectRuns(edited, u"v2\n"_s, 2);
    // A replaced compiler (here a wrapper of another size) is another compiler.
    tools.addCountingWrapper(u"g++"_s, realCompiler, "upgraded");
    expectRuns(source, u"v1\n"_s, 3);
    // Without a cache every preparation compiles; every execution runs it.
    PreparedProgram uncached =
        PreparedProgram::prepare(cSum, Language::c, PrepareOptions::withoutCaches());
    EXPECT_EQ(tools.calls(), 4);
    for (int a : {1, 300})
        EXPECT_EQ(uncached.execute(QString::number(a) + u" 1"_s, generous).output,
                  QString::number(a + 1) + u'\n');

    EXPECT_TRUE(isPrivate(QFileInfo(CompileCache::standard().folder())));
}

// The working folder is private and its file names are not the user's.
TEST(PreparedProgramTest, CompileErrorsNameTheUsersFile) {
    ASSERT_TRUE(toolInstalled("javac"));
    ASSERT_TRUE(toolInstalled("mcs"));
    const std::tuple<Language, QString, QString, QString> cases[] = {
        {Language::cpp, u"int main() {\n  return\n}\n"_s, {}, u"\nsolution.cpp:3:1: error: "_s},
        {Language::java, u"public class Main {\n  void f( }\n"_s, u"dir/Sum.java"_s,
         u"\ndir/Sum.java:2: error: "_s},
        {Language::csharp, u"class P {\n  void F( }\n"_s, u"Sum.cs"_s, u"\nSum.cs(2,"_s},
    };
    for (const auto& [language, code, name, piece] : cases) {
        PrepareOptions options = PrepareOptions::withoutCaches();
        options.sourceName = name;
        PreparedProgram program = PreparedProgram::prepare(code, language, options);
        const CaseResult result = program.execute({}, generous);
        EXPECT_TRUE((u'\n' + result.message).contains(piece)) << result.message.toStdString();
        EXPECT_FALSE(result.message.contains(QFileInfo(program.workingFolder()).path()))
            << result.message.toStdString();
    }
}

} // namespace
