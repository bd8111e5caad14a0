#include "runner/checker.h"
#include "runner_test_support.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Verdict = CheckResult::Verdict;

const QString checkers = QStringLiteral(CORVANTA_TEST_DATA_DIR "/checkers/");

Checker prepareChecker(const QString& file, CheckerStyle style) {
    const FileItem item = dataFile(checkers + file);
    return Checker::prepare(item.content, item.language, style);
}

struct Case {
    const char* output;
    const char* answer; // the checkers take their orders from it
    Verdict verdict;
    const char* messagePart;
};

void expectVerdicts(const Checker& checker, int timeLimitSeconds,
                    std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        const CheckResult result = checker.check("input\n", c.output, c.answer, timeLimitSeconds);
        EXPECT_EQ(result.verdict, c.verdict) << c.answer << ": " << result.message.toStdString();
        EXPECT_TRUE(result.message.contains(QString::fromUtf8(c.messagePart)))
            << c.answer << ": " << result.message.toStdString();
    }
}

TEST(Checker, TestlibStyleExitCodesDecideAndFailuresAreTheCheckers) {
    ASSERT_TRUE(toolInstalled("g++"));
    const Checker checker = prepareChecker(u"verdict_checker.cpp"_s, CheckerStyle::testlib);
    expectVerdicts(checker, 1,
                   {
                       {"42\n", "42", Verdict::accepted, "ok 42"},
                       {"41\n", "42", Verdict::wrongAnswer, "expected 42, found 41"},
                       {"", "42", Verdict::presentationError, "no output"},
                       {"", "points 0.5", Verdict::points, "told by the answer"},
                       {"42", "code 3", Verdict::checkerFailure, "3 told by the answer"},
                       {"42", "code 5", Verdict::checkerFailure, "종료 코드 5"},
                       {"42", "crash", Verdict::checkerFailure, "시그널 6"},
                       {"42", "hang", Verdict::checkerFailure, "채점기 시간 초과 (1초)"},
                   });
    EXPECT_EQ(checker.check("", "", "points 0.5", 5).points, 0.5);
}

TEST(Checker, PackageStyleReadsTheOutputOnStandardInputAndTheFeedbackFolder) {
    ASSERT_TRUE(toolInstalled("python3"));
    const Checker checker = prepareChecker(u"verdict_validator.py"_s, CheckerStyle::package);
    expectVerdicts(checker, 10,
                   {
                       {"42 and more\n", "42", Verdict::accepted, ""},
                       {"41\n", "42", Verdict::wrongAnswer, "expected 42, found 41"},
                       {"42", "code 0", Verdict::checkerFailure, "exit 0 told by the answer"},
                       {"42", "code 1", Verdict::checkerFailure, "종료 코드 1"},
                       {"42", "crash", Verdict::checkerFailure, "시그널 6"},
                   });
}

TEST(Checker, ACheckerThatDoesNotCompileFailsEveryCaseWithItsMessage) {
    ASSERT_TRUE(toolInstalled("g++"));
    const Checker checker = Checker::prepare(u"int main() { return }"_s, ProgrammingLanguage::cpp,
                                             CheckerStyle::testlib);
    const CheckResult result = checker.check("", "1", "1", 1);
    EXPECT_EQ(result.verdict, Verdict::checkerFailure);
    EXPECT_TRUE(result.message.contains(u"컴파일 에러"_s)) << result.message.toStdString();
}

} // namespace
