#include "runner/code_runner.h"
#include "runner_test_support.h"
#include "support/printers.h"
#include "support/process_runner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Language = ProgrammingLanguage;

constexpr int buildWaitMs = 240000;

TEST(IncludePrefixTest, OnlyIncludesBlanksAndCommentsOpenAPrefix) {
    const struct {
        const char* name;
        QString source;
        QString header;
    } cases[] = {
        {"includes among comments and blanks, code after",
         u"// A+B\n#include <iostream>\n\n/* two\n   lines */\n#include <vector> // why\r\n"
         u"using namespace std;\n#define int long long\nint main() {}\n"_s,
         u"#include <iostream>\n#include <vector>\n"_s},
        {"quoted system header", u"#include \"bits/stdc++.h\"\nint main() {}"_s,
         u"#include <bits/stdc++.h>\n"_s},
        {"spaces inside the directive", u"  #  include<cstdio>\n"_s, u"#include <cstdio>\n"_s},
        {"macro before the includes", u"#define _GLIBCXX_DEBUG\n#include <vector>\n"_s, {}},
        {"pragma before the includes", u"#pragma GCC optimize(\"O3\")\n#include <cstdio>\n"_s, {}},
        {"condition between includes",
         u"#include <cstdio>\n#ifdef LOCAL\n#include <cassert>\n"_s,
         {}},
        {"code between includes", u"#include <cstdio>\nint x;\n#include <vector>\n"_s, {}},
        {"computed include", u"#include HEADER\n"_s, {}},
        {"continued line", u"#include <cstdio> \\\n#include <vector>\n"_s, {}},
        {"no include", u"int main() {}\n"_s, {}},
        {"quoted name of a working file", u"#include \"input.txt\"\n"_s, {}},
        {"quoted path out of the folder", u"#include \"../secret.h\"\n"_s, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(includePrefixHeader(c.source, {u"solution.cpp"_s, u"input.txt"_s}), c.header)
            << c.name;
}

const QString vectorPrefix = u"#include <iostream>\n#include <vector>\n#include <algorithm>\n"_s;

QString withPrefix(const QString& prefix, const QString& body) {
    return prefix + u"using namespace std;\n"_s + body;
}

const QString sumBody =
    u"int main() {\n    long long a, b;\n    cin >> a >> b;\n    cout << a + b << '\\n';\n}\n"_s;

bool waitForBuilds(const PrecompiledHeaders& headers) {
    return QTest::qWaitFor([&] { return !headers.isBuilding(); }, buildWaitMs);
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time);
}

class PrecompiledHeaderTest : public ::testing::Test {
protected:
    // g++ behind a wrapper that logs its command lines.
    void SetUp() override {
        ASSERT_TRUE(toolInstalled("g++"));
        tools.addCountingWrapper(u"g++"_s, QStandardPaths::findExecutable(u"g++"_s));
    }
    void TearDown() override { EXPECT_TRUE(waitForBuilds(headers)); }

    CaseResult run(const QString& code, const QString& input, bool withHeaders) {
        PrepareOptions options = PrepareOptions::withoutCaches();
        if (withHeaders)
            options.headers = headers;
        options.sourceName = u"broken.cpp"_s;
        PreparedProgram program = PreparedProgram::prepare(code, Language::cpp, options);
        return program.execute(input, RunLimits{});
    }

    // Runs the code once, which starts the build of its prefix, and waits for it.
    void makeReady(const QString& code) {
        run(code, {}, true);
        ASSERT_TRUE(waitForBuilds(headers));
        ASSERT_TRUE(headers.find(code, {}, u"g++"_s,
                                 {u"-std=c++17"_s, u"-O2"_s, u"-Wall"_s, u"-Wextra"_s}));
    }

    void expectSameAsWithout(const QString& code, const QString& input) {
        CaseResult with = run(code, input, true);
        CaseResult without = run(code, input, false);
        // Only the figures may differ.
        for (CaseResult* result : {&with, &without}) {
            result->wallMs = result->cpuMs = 0;
            result->peakMemoryKiB = 0;
        }
        EXPECT_EQ(with, without);
        EXPECT_FALSE(with.message.contains(QDir::tempPath() + u"/corvanta-"_s))
            << qPrintable(with.message);
    }

    ScriptPath tools;
    QTemporaryDir home;
    PrecompiledHeaders headers{home.filePath(u"pch"_s)};
};

TEST_F(PrecompiledHeaderTest, ResultsAndMessagesAreThoseOfThePlainCompile) {
    makeReady(withPrefix(vectorPrefix, sumBody));
    const struct {
        const char* name;
        QString code;
        QString input;
    } cases[] = {
        {"success", withPrefix(vectorPrefix, u"// edited\n"_s + sumBody), u"40 2\n"_s},
        {"exception at run time",
         withPrefix(vectorPrefix, u"int main() { vector<int> v(1); return v.at(5); }\n"_s),
         {}},
        {"error in the source",
         withPrefix(vectorPrefix, u"int main() {\n    undeclared();\n}\n"_s),
         {}},
        // Reported from inside the headers, with the chain of includes that led there.
        {"error inside a header",
         withPrefix(vectorPrefix, u"struct P {};\nint main() {\n    vector<P> v(2);\n    "
                                  u"sort(v.begin(), v.end());\n}\n"_s),
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectSameAsWithout(c.code, c.input);
    }
    // Line and column are the compiler's, in the user's file.
    const CaseResult error = run(cases[2].code, {}, true);
    EXPECT_EQ(error.verdict.kind, VerdictKind::compileError);
    EXPECT_TRUE(error.message.startsWith(u"broken.cpp: In function "_s) &&
                error.message.contains(u"\nbroken.cpp:6:5: error: "_s))
        << qPrintable(error.message);
    EXPECT_EQ(entries(headers.folder()).size(), 1) << "a header that serves is kept";
    EXPECT_TRUE(tools.log().contains("-include " + QFile::encodeName(headers.folder())));
}

TEST_F(PrecompiledHeaderTest, WholeLibraryHeaderWithUsingNamespace) {
    const QString code = withPrefix(u"#include <bits/stdc++.h>\n"_s, sumBody);
    makeReady(code);
    expectSameAsWithout(u"// again\n"_s + code, u"1 2\n"_s);
}

// The checked library is chosen by a macro defined before the includes.
TEST_F(PrecompiledHeaderTest, MacroBeforeTheIncludesStillTakesEffect) {
    makeReady(u"#include <vector>\nint main() {}\n"_s);
    const CaseResult result = run(u"#define _GLIBCXX_DEBUG\n#include <vector>\n"
                                  u"int main() { std::vector<int> v(1); return v[5]; }\n"_s,
                                  {}, true);
    EXPECT_EQ(result.verdict.kind, VerdictKind::runtimeError);
    EXPECT_TRUE(result.message.contains(u"out-of-bounds"_s)) << qPrintable(result.message);
}

TEST_F(PrecompiledHeaderTest, DamagedHeaderCostsTimeOnly) {
    const QString code = withPrefix(vectorPrefix, sumBody);
    const QString broken = withPrefix(vectorPrefix, u"int main() { return }\n"_s);
    const CaseResult expectedSum = run(code, u"1 2"_s, false);
    const CaseResult expectedError = run(broken, {}, false);
    const std::pair<const char*, QByteArray> damages[] = {{"cut short", {}},
                                                          {"overwritten", "not a header"}};
    for (const auto& [name, content] : damages) {
        SCOPED_TRACE(name);
        makeReady(code);
        QFile file(
            home.filePath(u"pch/"_s + entries(headers.folder()).first() + u"/prefix.h.gch"_s));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.resize(content.isEmpty() ? 1000 : 0);
        file.write(content);
        file.close();
        EXPECT_EQ(run(code, u"1 2"_s, true).output, expectedSum.output);
        EXPECT_EQ(run(broken, {}, true).message, expectedError.message);
    }
}

void makeEntry(const QString& folder, qint64 bytes, int secondsAgo) {
    writeFile(folder + u"/prefix.h.gch"_s, {});
    // Sparse: the size counts, not the disk it takes.
    ASSERT_TRUE(QFile::resize(folder + u"/prefix.h.gch"_s, bytes));
    setAge(folder, secondsAgo);
}

TEST(PrecompiledHeaderCacheTest, BuildsKeepTheNewestEntriesWithinBothBounds) {
    ASSERT_TRUE(toolInstalled("g++"));
    const qint64 large = 200 << 20;
    const struct {
        const char* name;
        QList<qint64> sizes; // oldest first
        QStringList kept;    // newest first, after the new entry
    } cases[] = {
        {"count", {1, 1, 1, 1, 1}, {u"old4"_s, u"old3"_s, u"old2"_s}},
        {"bytes", {1, large, large, large}, {u"old3"_s, u"old2"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir home;
        const PrecompiledHeaders headers(home.filePath(u"pch"_s));
        for (int i = 0; i < c.sizes.size(); ++i)
            makeEntry(headers.folder() + u"/old"_s + QString::number(i), c.sizes[i], 1000 - i);
        makeEntry(headers.folder() + u"/build-left-by-a-killed-build"_s, 1, 5000);

        EXPECT_FALSE(headers.find(u"#include <cstdio>\n"_s, {}, u"g++"_s, {u"-O2"_s}));
        ASSERT_TRUE(waitForBuilds(headers));
        const QStringList kept = entries(headers.folder());
        ASSERT_FALSE(kept.isEmpty());
        EXPECT_EQ(kept.mid(1), c.kept);
        EXPECT_TRUE(headers.find(u"#include <cstdio>\n"_s, {}, u"g++"_s, {u"-O2"_s}))
            << "the new entry is the newest";
    }
}

// Two runs of the command-line tool at once, one with a compile error: one
// build, which goes on after both have exited; the error names the path given.
TEST(PrecompiledHeaderCacheTest, TwoProcessesAskingAtOnceBuildOne) {
    ASSERT_TRUE(toolInstalled("g++"));
    ScriptPath tools;
    tools.addScript(u"g++"_s, "case \"$*\" in *c++-header*) echo build >> '" +
                                  tools.folder().toUtf8() + "/builds';; esac\nexec '" +
                                  QStandardPaths::findExecutable(u"g++"_s).toUtf8() + "' \"$@\"\n");
    QTemporaryDir work;
    const QString prefix = u"#include <cstdio>\n#include <cstdlib>\n"_s;
    writeFile(work.filePath(u"1.in"_s), {});
    writeFile(work.filePath(u"fine.cpp"_s),
              prefix.toUtf8() + "int main() { std::puts(\"ok\"); }\n");
    writeFile(work.filePath(u"broken.cpp"_s), prefix.toUtf8() + "int main() { return }\n");

    const QByteArray saved = qgetenv("CORVANTA_PCH");
    qunsetenv("CORVANTA_PCH");
    QProcess runs[2];
    const QString files[2] = {work.filePath(u"fine.cpp"_s), work.filePath(u"broken.cpp"_s)};
    for (int i = 0; i < 2; ++i)
        runs[i].start(QStringLiteral(CORVANTA_CLI_PATH), {u"run"_s, files[i], work.path()});
    for (QProcess& process : runs)
        EXPECT_TRUE(process.waitForFinished(buildWaitMs));
    const PrecompiledHeaders headers = PrecompiledHeaders::standard();
    qputenv("CORVANTA_PCH", saved);

    const QString brokenReport = QString::fromUtf8(runs[1].readAllStandardOutput());
    EXPECT_TRUE(brokenReport.contains(u"│ "_s + files[1] + u":3:21: error: "_s))
        << qPrintable(brokenReport);
    ASSERT_TRUE(waitForBuilds(headers));
    EXPECT_EQ(readFile(tools.folder() + u"/builds"_s), "build\n");
    EXPECT_EQ(entries(headers.folder()).size(), 1);
}

} // namespace
