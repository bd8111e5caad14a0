#include "runner/code_runner.h"
#include "runner_test_support.h"
#include "support/printers.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Language = ProgrammingLanguage;

// How a case's output is checked: exactly, or by its start and a piece of it
// (compiler and runtime diagnostics are the tools' own words).
struct Expect {
    QString output;
    bool error = false;
    bool exact = true;
    QString contains;
};

Expect exactly(const QString& output) {
    return {output, false, true, {}};
}
Expect failure(const QString& message) {
    return {message, true, true, {}};
}
Expect failureStartingWith(const QString& start, const QString& contains) {
    return {start, true, false, contains};
}

struct Case {
    const char* name;
    Language language;
    QString code;
    QString input;
    int timeout;
    Expect expect;
};

void check(const Case& c) {
    SCOPED_TRACE(c.name);
    const RunResult result = CodeRunner::run(c.code, c.language, c.input, c.timeout);
    EXPECT_EQ(result.error, c.expect.error);
    if (c.expect.exact) {
        EXPECT_EQ(result.output, c.expect.output);
    } else {
        EXPECT_TRUE(result.output.startsWith(c.expect.output)) << result.output.toStdString();
        EXPECT_TRUE(result.output.contains(c.expect.contains)) << result.output.toStdString();
    }
}

bool isPrivate(const QFileInfo& folder) {
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    return folder.isDir() && (folder.permissions() & others) == 0 &&
           (folder.permissions() & owner) == owner;
}

const QString cSum = uR"(#include <stdio.h>
int main(void) { int a, b; scanf("%d %d", &a, &b); printf("%d\n", a + b); return 0; }
)"_s;

const QString javaSum = uR"(import java.util.Scanner;
public class Main {
    public static void main(String[] args) {
        Scanner in = new Scanner(System.in);
        System.out.println(in.nextInt() + in.nextInt());
    }
})"_s;

TEST(CodeRunnerTest, C) {
    ASSERT_TRUE(toolInstalled("gcc"));
    const Case cases[] = {
        {"success", Language::c, cSum, u"1 2\n"_s, 5, exactly(u"3\n"_s)},
        {"standard error is dropped on success",
         Language::c,
         uR"(#include <stdio.h>
int main(void) { fprintf(stderr, "note\n"); printf("ok\n"); return 0; })"_s,
         {},
         5,
         exactly(u"ok\n"_s)},
        {"runtime error reports standard error only",
         Language::c,
         uR"(#include <stdio.h>
int main(void) { printf("partial"); fprintf(stderr, "boom\n"); return 3; })"_s,
         {},
         5,
         failure(u"boom\n"_s)},
        {"runtime error without standard error",
         Language::c,
         uR"(#include <stdio.h>
int main(void) { printf("lost"); return 1; })"_s,
         {},
         5,
         failure(u"런타임 에러"_s)},
        {"crash",
         Language::c,
         uR"(#include <stdlib.h>
int main(void) { abort(); })"_s,
         {},
         5,
         failure(u"런타임 에러"_s)},
        {"compile error",
         Language::c,
         u"int main(void) { return }"_s,
         {},
         5,
         failureStartingWith(u"🔴 컴파일 에러:\n"_s, u"error"_s)},
    };
    for (const Case& c : cases)
        check(c);
}

// How the program is ended is ProgramRun's business; here, what the run says.
TEST(CodeRunnerTest, TimeLimit) {
    ASSERT_TRUE(toolInstalled("gcc"));
    const RunResult result =
        CodeRunner::run(u"int main(void) { for (;;) {} }"_s, Language::c, {}, 1);
    EXPECT_EQ(result.output, u"⏱️ 시간 초과 (1초)"_s);
    EXPECT_TRUE(result.error);
    // Counted from the start of the run, so the compile is in it too.
    EXPECT_GE(result.executionTime, 1000);
}

TEST(CodeRunnerTest, Cpp) {
    ASSERT_TRUE(toolInstalled("g++"));
    const Case cases[] = {
        {"curly quotes typed by a text system compile", Language::cpp, uR"(#include <iostream>
int main() { int a, b; std::cin >> a >> b; std::cout << “sum ” << a + b << ‘\n’; })"_s,
         u"40 2"_s, 5, exactly(u"sum 42\n"_s)},
        {"compile error",
         Language::cpp,
         u"int main() { undeclared(); }"_s,
         {},
         5,
         failureStartingWith(u"🔴 컴파일 에러:\n"_s, u"undeclared"_s)},
    };
    for (const Case& c : cases)
        check(c);
}

TEST(CodeRunnerTest, Python) {
    ASSERT_TRUE(toolInstalled("python3"));
    const Case cases[] = {
        {"success", Language::python, u"a, b = map(int, input().split())\nprint(a + b)\n"_s,
         u"1 2"_s, 5, exactly(u"3\n"_s)},
        {"exception",
         Language::python,
         u"raise ValueError('bad value')\n"_s,
         {},
         5,
         failureStartingWith(u"Traceback"_s, u"ValueError: bad value"_s)},
        {"output past the cap is cut off",
         Language::python,
         u"import sys\nwhile True:\n    sys.stdout.write('x' * 1048576)\n"_s,
         {},
         5,
         failure(u"⛔ 출력 초과 (64MB)"_s)},
        {"invalid UTF-8 reads as nothing",
         Language::python,
         u"import sys\nsys.stdout.buffer.write(b'\\xff\\xfe')\n"_s,
         {},
         5,
         exactly({})},
    };
    for (const Case& c : cases)
        check(c);
}

TEST(CodeRunnerTest, Java) {
    ASSERT_TRUE(toolInstalled("javac"));
    ASSERT_TRUE(toolInstalled("java"));
    const Case cases[] = {
        {"success", Language::java, javaSum, u"1 2"_s, 5, exactly(u"3\n"_s)},
        {"public class not named Main",
         Language::java,
         u"public class Solution { public static void main(String[] a) {} }"_s,
         {},
         5,
         failureStartingWith(u"🔴 Java 컴파일 에러:\n"_s, u"Solution.java"_s)},
        {"exception",
         Language::java,
         uR"(public class Main {
    public static void main(String[] args) { throw new IllegalStateException("bad state"); }
})"_s,
         {},
         5,
         failureStartingWith(u"Exception"_s, u"IllegalStateException: bad state"_s)},
    };
    for (const Case& c : cases)
        check(c);
}

TEST(CodeRunnerTest, CSharp) {
    ASSERT_TRUE(toolInstalled("mcs"));
    ASSERT_TRUE(toolInstalled("mono"));
    const Case cases[] = {
        {"success", Language::csharp, uR"(using System;
class Program {
    static void Main() {
        var parts = Console.ReadLine().Split(' ');
        Console.WriteLine(int.Parse(parts[0]) + int.Parse(parts[1]));
    }
})"_s,
         u"1 2"_s, 5, exactly(u"3\n"_s)},
        {"compile error",
         Language::csharp,
         u"class Program { static void Main( { } }"_s,
         {},
         5,
         failureStartingWith(u"🔴 C# 컴파일 에러:\n"_s, u"error CS"_s)},
        {"exception",
         Language::csharp,
         uR"(class Program {
    static void Main() { throw new System.InvalidOperationException("bad state"); }
})"_s,
         {},
         5,
         failureStartingWith(u"\nUnhandled Exception"_s, u"bad state"_s)},
    };
    for (const Case& c : cases)
        check(c);
}

TEST(CodeRunnerTest, TextFilesAreRefused) {
    const RunResult result = CodeRunner::run(u"just notes"_s, Language::txt, {}, 5);
    EXPECT_EQ(result, (RunResult{u"📝 텍스트 파일은 실행할 수 없습니다."_s, true, 0}));
}

// Only a compiler's standard error counts, except for gcc and g++, whose
// standard output is the fallback.
TEST(CodeRunnerTest, DiagnosticsOnlyOnStandardOutput) {
    ScriptPath tools;
    for (const char* name : {"gcc", "javac", "mcs"})
        tools.addScript(QString::fromUtf8(name), "echo 'only on stdout'\nexit 1\n");
    const struct {
        Language language;
        QString message;
    } cases[] = {
        {Language::c, u"🔴 컴파일 에러:\nonly on stdout\n"_s},
        {Language::java, u"🔴 Java 컴파일 에러:\n알 수 없는 컴파일 에러"_s},
        {Language::csharp, u"🔴 C# 컴파일 에러:\n알 수 없는 컴파일 에러"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(rawValue(c.language).toStdString());
        EXPECT_EQ(CodeRunner::run(u"x"_s, c.language, {}, 5), (RunResult{c.message, true, 0}));
    }
}

// The launcher itself starts; it is the tool it looks for that is missing.
TEST(CodeRunnerTest, ToolMissingFromSearchPathIsReportedByTheLauncher) {
    ScriptPath empty(ScriptPath::replace);
    const struct {
        Language language;
        QString start;
        QString tool;
    } cases[] = {
        {Language::cpp, u"🔴 컴파일 에러:\n"_s, u"g++"_s},
        {Language::java, u"🔴 Java 컴파일 에러:\n"_s, u"javac"_s},
        {Language::python, u"/usr/bin/env"_s, u"python3"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(rawValue(c.language).toStdString());
        const RunResult result = CodeRunner::run(u"x"_s, c.language, {}, 5);
        EXPECT_TRUE(result.error);
        EXPECT_TRUE(result.output.startsWith(c.start)) << result.output.toStdString();
        EXPECT_TRUE(result.output.contains(c.tool)) << result.output.toStdString();
    }
}

TEST(CodeRunnerTest, StoppedBeforeStartingRunsNothing) {
    StopSignal stop;
    stop.stop();
    EXPECT_EQ(CodeRunner::run(cSum, Language::c, u"1 2"_s, 5, &stop),
              (RunResult{u"⏹️ 실행 중지됨"_s, true, 0}));
}

TEST(PreparedProgramTest, WorkingFilesLiveInAPrivateFolder) {
    ASSERT_TRUE(toolInstalled("javac"));
    const struct {
        Language language;
        QStringList files;
    } cases[] = {
        {Language::c, {u"input.txt"_s, u"solution.c"_s, u"solution_c"_s}},
        {Language::java, {u"Main.class"_s, u"Main.java"_s, u"input.txt"_s, u"solution.java"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(rawValue(c.language).toStdString());
        PreparedProgram program =
            PreparedProgram::prepare(c.language == Language::c ? cSum : javaSum, c.language);
        program.execute(u"1 2"_s, 5, nullptr, PreparedProgram::Clock::now());
        const QDir folder(program.workingFolder());
        EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name), c.files);

        const QFileInfo processFolder(QFileInfo(folder.path()).path());
        EXPECT_NE(processFolder.absoluteFilePath(), QDir::tempPath());
        EXPECT_TRUE(isPrivate(processFolder));
    }
}

TEST(PreparedProgramTest, CompilesOnceAndRunsManyTimes) {
    ASSERT_TRUE(toolInstalled("gcc"));
    PreparedProgram program = PreparedProgram::prepare(cSum, Language::c, nullptr, CompileCache());
    EXPECT_TRUE(program.ranCompiler());
    for (int a : {1, 20, 300}) {
        const RunResult result = program.execute(QString::number(a) + u" 1"_s, 5, nullptr,
                                                 PreparedProgram::Clock::now());
        EXPECT_EQ(result.output, QString::number(a + 1) + u'\n');
    }
}

TEST(PreparedProgramTest, CompiledProgramsAreReusedUntilSourceOrCompilerChanges) {
    ASSERT_TRUE(toolInstalled("g++"));
    const QString realCompiler = QStandardPaths::findExecutable(u"g++"_s);
    ScriptPath tools;
    tools.addCountingWrapper(u"g++"_s, realCompiler);
    const QString source = u"#include <cstdio>\nint main() { std::puts(\"v1\"); }\n"_s;
    const auto runs = [](const QString& code) {
        PreparedProgram program = PreparedProgram::prepare(code, Language::cpp);
        return program.execute({}, 5, nullptr, PreparedProgram::Clock::now()).output;
    };

    EXPECT_EQ(runs(source), u"v1\n"_s);
    EXPECT_EQ(tools.calls(), 1);
    EXPECT_EQ(runs(source), u"v1\n"_s) << "a cached program must run like a fresh one";
    EXPECT_EQ(tools.calls(), 1);

    QString edited = source;
    edited.replace(u"v1"_s, u"v2"_s);
    EXPECT_EQ(runs(edited), u"v2\n"_s);
    EXPECT_EQ(tools.calls(), 2);

    // A replaced compiler (here a wrapper of another size) is another compiler.
    tools.addScript(u"g++"_s, "echo call >> '" + tools.folder().toUtf8() +
                                  "/calls.log'\n# upgraded\nexec '" + realCompiler.toUtf8() +
                                  "' \"$@\"\n");
    EXPECT_EQ(runs(source), u"v1\n"_s);
    EXPECT_EQ(tools.calls(), 3);

    EXPECT_TRUE(isPrivate(QFileInfo(CompileCache::standard().folder())));
}

} // namespace
