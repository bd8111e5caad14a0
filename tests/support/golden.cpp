#include "support/golden.h"

#include "support/process_runner.h"

#include <QFile>
#include <gtest/gtest.h>

void expectCliMatchesGolden(const QStringList& arguments, const QString& goldenPath) {
    SCOPED_TRACE(goldenPath.toStdString());
    const ProcessOutcome run = runCli(arguments);
    ASSERT_TRUE(run.succeeded()) << run.err.toStdString();
    QFile golden(goldenPath);
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QStringList expected = QString::fromUtf8(golden.readAll()).split(u'\n');
    const QStringList actual = run.out.split(u'\n');
    for (qsizetype line = 0; line < std::max(actual.size(), expected.size()); ++line) {
        if (actual.value(line) != expected.value(line)) {
            ADD_FAILURE() << "first difference on line " << line + 1
                          << "\n  expected: " << expected.value(line).toStdString()
                          << "\n  actual:   " << actual.value(line).toStdString();
            return;
        }
    }
    EXPECT_EQ(actual.size(), expected.size());
}
