#include "runner/problem_package.h"
#include "runner_test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString packages = QStringLiteral(CORVANTA_TEST_DATA_DIR "/packages/");

ProblemPackage load(const QString& name) {
    QString error;
    const std::optional<ProblemPackage> package = ProblemPackage::load(packages + name, &error);
    EXPECT_TRUE(package) << error.toStdString();
    return package.value_or(ProblemPackage{});
}

// Validation, memory limit, case order and submissions show in the run
// command's verdicts; the time limit there is the command line's.
TEST(ProblemPackage, ReadsTheTimeLimitAndItsMultiplier) {
    const ProblemPackage hello = load(u"hello"_s);
    EXPECT_EQ(hello.timeLimitSeconds, 5);
    EXPECT_EQ(hello.timeMultiplier, 5);
}

TEST(ProblemPackage, WhatCannotBeRunIsRefusedWithTheReason) {
    const struct {
        const char* yaml;
        const char* validatorFile;
        const char* reason;
    } cases[] = {
        {"limits: [1, 2\n", nullptr, "problem.yaml"},
        {"limits:\n  memory: lots\n", nullptr, "problem.yaml"},
        {"validation: custom score\n", nullptr, "점수제"},
        {"validation: custom\n", nullptr, "output_validators/"},
        {"validation: custom\n", "output_validators/v/notes.txt", "찾은 파일 0개"},
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        writeFile(folder.filePath(u"problem.yaml"_s), c.yaml);
        if (c.validatorFile)
            writeFile(folder.filePath(QString::fromUtf8(c.validatorFile)), "text");
        QString error;
        EXPECT_FALSE(ProblemPackage::load(folder.path(), &error)) << c.yaml;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << error.toStdString();
    }
}

} // namespace
