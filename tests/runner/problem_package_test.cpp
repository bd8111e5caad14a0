#include "runner/checker.h"
#include "runner/comparison.h"
#include "runner/interaction.h"
#include "runner/problem_package.h"
#include "runner_test_support.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Expected = ProblemPackage::Expected;
using Validation = ProblemPackage::Validation;

const QString packages = QStringLiteral(CORVANTA_TEST_DATA_DIR "/packages/");

ProblemPackage load(const QString& name) {
    QString error;
    const std::optional<ProblemPackage> package = ProblemPackage::load(packages + name, &error);
    EXPECT_TRUE(package) << error.toStdString();
    return package.value_or(ProblemPackage{});
}

std::optional<Expected> verdictOfRun(const ProgramRun::Outcome& outcome) {
    if (outcome.status == ProgramRun::Status::timedOut)
        return Expected::timeLimitExceeded;
    if (!outcome.exitedCleanly())
        return Expected::runTimeError;
    return std::nullopt;
}

// What a judge would say of the submission, case by case as the modules
// decide it; a checker failure fails the test.
Expected judge(const ProblemPackage& package, const ProblemPackage::Submission& submission) {
    const int seconds = int(std::ceil(package.timeLimitSeconds.value_or(2)));
    const PreparedProgram solution = prepareDataFile(submission.path);
    std::optional<PreparedProgram> interactor;
    std::optional<Checker> checker;
    if (package.validation == Validation::interactive) {
        interactor = prepareDataFile(package.validatorPath);
    } else if (package.validation == Validation::custom) {
        checker = Checker::prepare(QString::fromUtf8(readFile(package.validatorPath)),
                                   package.validatorLanguage, CheckerStyle::package);
        checker->setExtraArguments(package.validatorFlags);
    }
    for (const ProblemPackage::Case& testCase : package.cases) {
        const QByteArray input = readFile(testCase.inputPath);
        const QByteArray answer = readFile(testCase.answerPath);
        CheckResult check;
        if (package.validation == Validation::interactive) {
            const InteractionResult result =
                Interaction::run(solution, *interactor, CheckerStyle::package, input, answer,
                                 {std::chrono::seconds(seconds)});
            if (result.solutionFailed)
                return verdictOfRun(result.solution).value_or(Expected::runTimeError);
            check = result.interactor;
        } else {
            ProgramRun run(solution.program(), solution.arguments());
            run.setInputFile(testCase.inputPath);
            run.setTimeLimit(std::chrono::seconds(seconds));
            const ProgramRun::Outcome outcome = run.run();
            if (const std::optional<Expected> failed = verdictOfRun(outcome))
                return *failed;
            check = checker ? checker->check(input, outcome.standardOutput, answer, 10)
                            : compareOutputs({ComparisonMode::Kind::tokens}, outcome.standardOutput,
                                             answer);
        }
        EXPECT_NE(check.verdict, CheckResult::Verdict::checkerFailure)
            << check.message.toStdString();
        if (check.verdict != CheckResult::Verdict::accepted)
            return Expected::wrongAnswer;
    }
    return Expected::accepted;
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

TEST(ProblemPackage, EverySubmissionGetsTheVerdictItsFolderNames) {
    for (const char* tool : {"gcc", "g++", "python3", "javac", "mcs", "mono"})
        ASSERT_TRUE(toolInstalled(tool));
    for (const QString& name : {u"hello"_s, u"division"_s, u"interactive_sum"_s}) {
        const ProblemPackage package = load(name);
        for (const ProblemPackage::Submission& submission : package.submissions) {
            EXPECT_EQ(expectedFolderName(judge(package, submission)),
                      expectedFolderName(submission.expected))
                << submission.path.toStdString();
        }
    }
}

} // namespace
