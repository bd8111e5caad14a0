#include "support/printers.h"
#include "support/process_runner.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

enum class Stream { out, err };

// Help and version go to standard output with status 0; a mistake prints the
// usage to standard error, ends in a line feed, and exits with 2, leaving
// standard output empty for a script that reads it.
TEST(CliConventionsTest, HelpVersionAndBadUsageUseTheirStreamsAndStatus) {
    const struct {
        QStringList arguments;
        int exitCode;
        Stream stream;
        QString start;
    } cases[] = {
        {{u"--help"_s}, 0, Stream::out, u"usage: corvanta-cli VERB"_s},
        {{u"help"_s, u"run"_s}, 0, Stream::out, u"usage: corvanta-cli run FILE"_s},
        {{u"run"_s, u"--help"_s}, 0, Stream::out, u"usage: corvanta-cli run FILE"_s},
        {{u"highlight"_s, u"x.cpp"_s, u"-h"_s}, 0, Stream::out, u"usage: corvanta-cli highlight"_s},
        {{u"--version"_s}, 0, Stream::out, u"corvanta-cli 0."_s},
        {{}, 2, Stream::err, u"corvanta-cli: no verb given\nusage: corvanta-cli VERB"_s},
        {{u"--verbose"_s}, 2, Stream::err, u"corvanta-cli: unknown option --verbose\nusage:"_s},
        {{u"judge"_s}, 2, Stream::err, u"corvanta-cli: unknown verb judge\nusage:"_s},
        {{u"help"_s, u"judge"_s}, 2, Stream::err, u"corvanta-cli help: no verb judge\n"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ProcessOutcome run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        const QString& expected = c.stream == Stream::out ? run.out : run.err;
        const QString& other = c.stream == Stream::out ? run.err : run.out;
        EXPECT_TRUE(expected.startsWith(c.start)) << expected.toStdString();
        EXPECT_TRUE(expected.endsWith(u'\n'));
        EXPECT_TRUE(other.isEmpty()) << other.toStdString();
    }
}

} // namespace
