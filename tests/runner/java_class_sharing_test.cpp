#include "runner/java_class_sharing.h"
#include "runner_test_support.h"
#include "support/printers.h"

using namespace Qt::StringLiterals;

namespace {

// The archive made for the java on the search path really serves a program
// (-Xshare:on refuses to start without it), which then prints what it prints
// without; a damaged archive is passed over in silence.
TEST(JavaClassSharingTest, ServesRunsUnchangedAndDamageCostsNothing) {
    ASSERT_TRUE(toolInstalled("javac"));
    const QTemporaryDir cache;
    const JavaClassSharing sharing(cache.path());
    EXPECT_TRUE(sharing.runFlags().isEmpty());
    const StopSignal never;
    sharing.build(never);
    const QStringList flags = sharing.runFlags();
    ASSERT_EQ(flags.size(), 1);

    const QTemporaryDir program;
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANTA_TEST_DATA_DIR "/programs/Main.java"),
                            program.filePath(u"Main.java"_s)));
    writeFile(program.filePath(u"input.txt"_s), "40 2\n");
    ProgramRun javac(u"/usr/bin/env"_s,
                     {u"javac"_s, u"-d"_s, program.path(), program.filePath(u"Main.java"_s)});
    ASSERT_TRUE(javac.run().exitedCleanly());
    const auto run = [&](const QStringList& options) {
        ProgramRun java(u"/usr/bin/env"_s, QStringList{u"java"_s} + options +
                                               QStringList{u"-cp"_s, program.path(), u"Main"_s});
        java.setInputFile(program.filePath(u"input.txt"_s));
        return java.run();
    };
    const QByteArray expected = "42 [40, 2]\n";
    const ProgramRun::Outcome shared = run(flags + QStringList{u"-Xshare:on"_s});
    EXPECT_TRUE(shared.exitedCleanly()) << shared.standardOutput.toStdString();
    EXPECT_EQ(shared.standardOutput, expected);
    EXPECT_EQ(run({}).standardOutput, expected);

    const QString archive = flags[0].section(u'=', 1);
    ASSERT_TRUE(QFile::remove(archive));
    writeFile(archive, QByteArray(4096, 'x'));
    const ProgramRun::Outcome damaged = run(flags);
    EXPECT_TRUE(damaged.exitedCleanly());
    EXPECT_EQ(damaged.standardOutput, expected);
    EXPECT_TRUE(damaged.standardError.isEmpty()) << damaged.standardError.toStdString();
}

} // namespace
