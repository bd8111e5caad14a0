#include "support/files.h"
#include "support/printers.h"
#include "support/process_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

ProcessOutcome highlightCli(const QStringList& arguments) {
    return runCli(QStringList{u"highlight"_s} + arguments);
}

QString fileInHome(const QString& name, const QByteArray& content) {
    const QString path = testHome() + u'/' + name;
    writeFile(path, content);
    return path;
}

TEST(HighlightCommandTest, PrintsMaximalRunsInUtf16Units) {
    const QString cpp = fileInHome(u"a.cpp"_s, "int x = 0; // \xF0\x9F\x98\x80 hi\n");
    const ProcessOutcome run = highlightCli({cpp});
    EXPECT_EQ(run.exitCode, 0);
    // The emoji is four bytes of UTF-8 and two units.
    EXPECT_EQ(run.out, u"0 3 type\n3 1 plain\n4 1 variable\n5 3 plain\n8 1 number\n"
                       u"9 2 plain\n11 8 comment\n19 1 plain\n"_s);
    EXPECT_EQ(highlightCli({cpp, u"--reference"_s}).out, run.out);

    const QString python = fileInHome(u"b.py"_s, "def f(n):\n    return n\n");
    EXPECT_EQ(highlightCli({python}).out,
              u"0 3 keyword\n3 1 plain\n4 1 function\n5 9 plain\n14 6 keyword\n20 3 plain\n"_s);
}

TEST(HighlightCommandTest, LanguageComesFromTheExtensionUnlessNamed) {
    const QString text = fileInHome(u"notes.txt"_s, "int x;");
    EXPECT_EQ(highlightCli({text}).out, u"0 6 plain\n"_s);
    EXPECT_EQ(highlightCli({u"--language"_s, u"C++"_s, text}).out,
              u"0 3 type\n3 1 plain\n4 1 variable\n5 1 plain\n"_s);
    EXPECT_EQ(highlightCli({text, u"--language"_s, u"py"_s}).out, u"0 3 type\n3 3 plain\n"_s);
    const QString empty = fileInHome(u"empty.cpp"_s, "");
    const ProcessOutcome run = highlightCli({empty});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(HighlightCommandTest, BadUsageIsReportedAndNothingPrinted) {
    const QString header = fileInHome(u"vector.h"_s, "int x;");
    const QString cpp = fileInHome(u"ok.cpp"_s, "int x;");
    const struct {
        QStringList arguments;
        int exitCode;
        QString message;
    } cases[] = {
        {{}, 2, u"no file given"_s},
        {{header}, 2, u"pass --language NAME"_s},
        {{cpp, u"--language"_s, u"rust"_s}, 2, u"unknown language \"rust\""_s},
        {{cpp, u"--fast"_s}, 2, u"unexpected argument --fast"_s},
        {{cpp, cpp}, 2, u"unexpected argument"_s},
        {{testHome() + u"/missing.cpp"_s}, 1, u"missing.cpp"_s},
    };
    for (const auto& c : cases) {
        const ProcessOutcome run = highlightCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
