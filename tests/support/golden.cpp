#include "support/golden.h"

#include "support/process_runner.h"

#include <QFile>

::testing::AssertionResult sameLines(const QString& actual, const QString& expected) {
    const QStringList actualLines = actual.split(u'\n');
    const QStringList expectedLines = expected.split(u'\n');
    for (qsizetype line = 0; line < std::max(actualLines.size(), expectedLines.size()); ++line) {
        if (actualLines.value(line) != expectedLines.value(line) ||
            line >= std::min(actualLines.size(), expectedLines.size()))
            return ::testing::AssertionFailure()
                   << "first difference on line " << line + 1 << "\n  expected: "
                   << expectedLines.value(line, QStringLiteral("<none>")).toStdString()
                   << "\n  actual:   "
                   << actualLines.value(line, QStringLiteral("<none>")).toStdString();
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult matchesGolden(const QString& actual, const QString& goldenPath) {
    QFile golden(goldenPath);
    if (!golden.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure() << "cannot read " << goldenPath.toStdString();
    return sameLines(actual, QString::fromUtf8(golden.readAll()));
}

void expectCliMatchesGolden(const QStringList& arguments, const QString& goldenPath) {
    SCOPED_TRACE(goldenPath.toStdString());
    const ProcessOutcome run = runCli(arguments);
    ASSERT_TRUE(run.succeeded()) << run.err.toStdString();
    EXPECT_TRUE(matchesGolden(run.out, goldenPath));
}
