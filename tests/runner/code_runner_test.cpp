#include "runner/code_runner.h"
#include "runner_test_support.h"
#include "support/printers.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Language = ProgrammingLanguage;

// Exactly `output`; or, when `piece` is given (the tools' own diagnostics),
// `output` as the start and `piece` somewhere in it.
void expectRun(const RunResult& result, bool error, const QString& output,
               const QString& piece = {}) {
    EXPECT_EQ(result.error, error);
    if (piece.isEmpty())
        EXPECT_EQ(result.output, output);
    else
        EXPECT_TRUE(result.output.startsWith(output) && result.output.contains(piece))
            << result.output.toStdString();
}

struct Case {
    const char* name;
    QString code;
    bool error;
    QString output;
    QString piece = {};
    QString input = {};
};

void check(Language language, std::initializer_list<Case> cases) {
    // No case here is about the time limit; a generous one keeps a loaded
    // machine (a slow interpreter start, a slow pipe) from turning a flood
    // into a time-out.
    const int seconds = 30;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectRun(CodeRunner::run(c.code, language, c.input, seconds), c.error, c.output, c.piece);
    }
}

QString cMain(const QString& body) {
    return u"#include <stdio.h>\n#include <stdlib.h>\nint main(void) { "_s + body + u" }\n"_s;
}

bool isPrivate(const QFileInfo& folder) {
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    return folder.isDir() && (folder.permissions() & others) == 0 &&
           (folder.permissions() & owner) == owner;
}

const QString cSum = cMain(uR"(int a, b; scanf("%d %d", &a, &b); printf("%d\n", a + b);)"_s);

const QString javaSum = uR"(import java.util.Scanner;
public class Main {
    public static void main(String[] args) {
        Scanner in = new Scanner(System.in);
        System.out.println(in.nextInt() + in.nextInt());
    }
})"_s;

const QString compileError = u"🔴 컴파일 에러:\n"_s;

// Accepted programs in every language are run by the command-line tests.
TEST(CodeRunnerTest, C) {
    ASSERT_TRUE(toolInstalled("gcc"));
    const QString partial = uR"(printf("partial"); fprintf(stderr, "boom\n"); return 3;)"_s;
    check(
        Language::c,
        {
            {"standard error is dropped on success",
             cMain(uR"(fprintf(stderr, "note\n"); printf("ok\n"); return 0;)"_s), false, u"ok\n"_s},
            {"runtime error reports standard error only", cMain(partial), true, u"boom\n"_s},
            {"runtime error without standard error", cMain(uR"(printf("lost"); return 1;)"_s), true,
             u"런타임 에러"_s},
            {"crash", cMain(u"abort();"_s), true, u"런타임 에러"_s},
            {"compile error", u"int main(void) { return }"_s, true, compileError, u"error"_s},
        });
}

// How the program is ended is ProgramRun's business; here, what the run says.
TEST(CodeRunnerTest, TimeLimit) {
    ASSERT_TRUE(toolInstalled("gcc"));
    const RunResult result = CodeRunner::run(cMain(u"for (;;) {}"_s), Language::c, {}, 1);
    expectRun(result, true, u"⏱️ 시간 초과 (1초)"_s);
    // Counted from the start of the run, so the compile is in it too.
    EXPECT_GE(result.executionTime, 1000);
}

TEST(CodeRunnerTest, Cpp) {
    ASSERT_TRUE(toolInstalled("g++"));
    const QString curlyQuotes = uR"(#include <iostream>
int main() { int a, b; std::cin >> a >> b; std::cout << “sum ” << a + b << ‘\n’; })"_s;
    check(Language::cpp,
          {
              {"curly quotes typed by a text system compile", curlyQuotes, false, u"sum 42\n"_s,
               QString(), u"40 2"_s},
              {"compile error", u"int main() { undeclared(); }"_s, true, compileError,
               u"undeclared"_s},
              // Linked fast, but a failure reads as the system linker has always put it.
              {"link error", u"int missing();\nint main() { return missing(); }\n"_s, true,
               compileError, u"undefined reference to `missing()'"_s},
          });
}

TEST(CodeRunnerTest, Python) {
    ASSERT_TRUE(toolInstalled("python3"));
    check(Language::python,
          {
              {"exception", u"raise ValueError('bad value')\n"_s, true, u"Traceback"_s,
               u"ValueError: bad value"_s},
              {"output past the cap is cut off",
               u"import sys\nwhile True:\n    sys.stdout.write('x' * 1048576)\n"_s, true,
               u"⛔ 출력 초과 (64MB)"_s},
              {"invalid UTF-8 reads as nothing",
               u"import sys\nsys.stdout.buffer.write(b'\\xff\\xfe')\n"_s, false, QString()},
          });
}

TEST(CodeRunnerTest, Java) {
    ASSERT_TRUE(toolInstalled("javac"));
    ASSERT_TRUE(toolInstalled("java"));
    const QString throwing = uR"(public class Main {
    public static void main(String[] args) { throw new IllegalStateException("bad state"); }
})"_s;
    check(Language::java,
          {
              {"public class not named Main",
               u"public class Solution { public static void main(String[] a) {} }"_s, true,
               u"🔴 Java 컴파일 에러:\n"_s, u"Solution.java"_s},
              {"exception", throwing, true, u"Exception"_s, u"IllegalStateException: bad state"_s},
          });
}

TEST(CodeRunnerTest, CSharp) {
    ASSERT_TRUE(toolInstalled("mcs"));
    ASSERT_TRUE(toolInstalled("mono"));
    const QString throwing = uR"(class Program {
    static void Main() { throw new System.InvalidOperationException("bad state"); }
})"_s;
    check(Language::csharp,
          {
              {"compile error", u"class Program { static void Main( { } }"_s, true,
               u"🔴 C# 컴파일 에러:\n"_s, u"error CS"_s},
              {"exception", throwing, true, u"\nUnhandled Exception"_s, u"bad state"_s},
          });
}

TEST(CodeRunnerTest, RefusalsRunNothing) {
    EXPECT_EQ(CodeRunner::run(u"just notes"_s, Language::txt, {}, 5),
              (RunResult{u"📝 텍스트 파일은 실행할 수 없습니다."_s, true, 0}));
    StopSignal stop;
    stop.stop();
    EXPECT_EQ(CodeRunner::run(cSum, Language::c, u"1 2"_s, 5, &stop),
              (RunResult{u"⏹️ 실행 중지됨"_s, true, 0}));
}

// Only a compiler's standard error counts, except for gcc and g++, whose
// standard output is the fallback.
TEST(CodeRunnerTest, DiagnosticsOnlyOnStandardOutput) {
    ScriptPath tools;
    for (const char* name : {"gcc", "javac", "mcs"})
        tools.addScript(QString::fromUtf8(name), "echo 'only on stdout'\nexit 1\n");
    const std::pair<Language, QString> cases[] = {
        {Language::c, compileError + u"only on stdout\n"_s},
        {Language::java, u"🔴 Java 컴파일 에러:\n알 수 없는 컴파일 에러"_s},
        {Language::csharp, u"🔴 C# 컴파일 에러:\n알 수 없는 컴파일 에러"_s},
    };
    for (const auto& [language, message] : cases)
        EXPECT_EQ(CodeRunner::run(u"x"_s, language, {}, 5), (RunResult{message, true, 0}));
}

// The launcher itself starts; it is the tool it looks for that is missing.
TEST(CodeRunnerTest, ToolMissingFromSearchPathIsReportedByTheLauncher) {
    ScriptPath empty(ScriptPath::replace);
    const std::tuple<Language, QString, QString> cases[] = {
        {Language::cpp, compileError, u"g++"_s},
        {Language::java, u"🔴 Java 컴파일 에러:\n"_s, u"javac"_s},
        {Language::python, u"/usr/bin/env"_s, u"python3"_s},
    };
    for (const auto& [language, start, tool] : cases)
        expectRun(CodeRunner::run(u"x"_s, language, {}, 5), true, start, tool);
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
        program.execute(u"1 2"_s, 5, nullptr, PreparedProgram::Clock::now());
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
        EXPECT_EQ(program.execute({}, 5, nullptr, PreparedProgram::Clock::now()).output, output);
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
        EXPECT_EQ(
            uncached
                .execute(QString::number(a) + u" 1"_s, 5, nullptr, PreparedProgram::Clock::now())
                .output,
            QString::number(a + 1) + u'\n');

    EXPECT_TRUE(isPrivate(QFileInfo(CompileCache::standard().folder())));
}

// The working folder is private and its file names are not the user's.
TEST(PreparedProgramTest, CompileErrorsNameTheUsersFile) {
    ASSERT_TRUE(toolInstalled("javac"));
    ASSERT_TRUE(toolInstalled("mcs"));
    const std::tuple<Language, QString, QString, QString> cases[] = {
        {Language::c, u"int main(void) {\n  return\n}\n"_s, u"broken.c"_s,
         u"\nbroken.c:3:1: error: "_s},
        {Language::cpp, u"int main() {\n  return\n}\n"_s, {}, u"\nsolution.cpp:3:1: error: "_s},
        {Language::java, u"public class Main {\n  void f( }\n"_s, u"dir/Sum.java"_s,
         u"\ndir/Sum.java:2: error: "_s},
        {Language::csharp, u"class P {\n  void F( }\n"_s, u"Sum.cs"_s, u"\nSum.cs(2,"_s},
    };
    for (const auto& [language, code, name, piece] : cases) {
        PrepareOptions options = PrepareOptions::withoutCaches();
        options.sourceName = name;
        PreparedProgram program = PreparedProgram::prepare(code, language, options);
        const RunResult result = program.execute({}, 5, nullptr, PreparedProgram::Clock::now());
        EXPECT_TRUE(result.output.contains(piece)) << result.output.toStdString();
        EXPECT_FALSE(result.output.contains(QFileInfo(program.workingFolder()).path()))
            << result.output.toStdString();
    }
}

} // namespace
