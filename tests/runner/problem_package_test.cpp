#include "runner/problem_package.h"
#include "runner_test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Validation = ProblemPackage::Validation;

const QString packages = QStringLiteral(CORVANTA_TEST_DATA_DIR "/packages/");

ProblemPackage load(const QString& name) {
    QString error;
    const std::optional<ProblemPackage> package = ProblemPackage::load(packages + name, &error);
    EXPECT_TRUE(package) << error.toStdString();
    return package.value_or(ProblemPackage{});
}

TEST(ProblemPackage, ReadsLimitsValidationCasesAndSubmissions) {
    const ProblemPackage hello = load(u"hello"_s);
    EXPECT_EQ(hello.name, u"Hello"_s);
    EXPECT_EQ(hello.validation, Validation::standard);
    EXPECT_EQ(hello.timeLimitSeconds, 5);
    EXPECT_EQ(hello.timeMultiplier, 5);
    EXPECT_EQ(hello.memoryMegabytes, 256);
    EXPECT_EQ(hello.submissions.size(), 11);

    const ProblemPackage division = load(u"division"_s);
    EXPECT_EQ(division.validation, Validation::custom);
    EXPECT_EQ(division.validatorFlags, (QStringList{u"tolerance"_s, u"1e-6"_s}));
    EXPECT_TRUE(division.validatorPath.endsWith(u"output_validators/tolerance/validator.cpp"_s));
    QStringList names;
    for (const ProblemPackage::Case& testCase : division.cases)
        names.append(testCase.name);
    EXPECT_EQ(names, (QStringList{u"sample/1"_s, u"secret/1"_s, u"secret/2"_s, u"secret/10"_s}));

    EXPECT_EQ(load(u"interactive_sum"_s).validation, Validation::interactive);
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
