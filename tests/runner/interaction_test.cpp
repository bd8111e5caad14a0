#include "runner/interaction.h"
#include "runner_test_support.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

using Verdict = CheckResult::Verdict;

const QString interactive = QStringLiteral(CORVANTA_TEST_DATA_DIR "/interactive/");

class InteractionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(toolInstalled("g++"));
        ASSERT_TRUE(toolInstalled("python3"));
        interactor = new PreparedProgram(prepareDataFile(interactive + u"sum_interactor.cpp"_s));
    }
    static void TearDownTestSuite() { delete interactor; }

    // Three questions: 1 2, 40 2, -7 7.
    static InteractionResult talk(const QString& solution, std::chrono::milliseconds limit) {
        return Interaction::run(prepareDataFile(interactive + solution), *interactor,
                                CheckerStyle::testlib,
                                readFile(interactive + u"three_questions.in"_s), "", {limit});
    }

    static PreparedProgram* interactor;
};

PreparedProgram* InteractionTest::interactor = nullptr;

TEST_F(InteractionTest, ASolutionThatFlushesIsAcceptedWithTheConversationMarked) {
    for (const QString& solution : {u"sum_flush.cpp"_s, u"sum_flush.py"_s}) {
        SCOPED_TRACE(solution.toStdString());
        const InteractionResult result = talk(solution, 10s);
        EXPECT_FALSE(result.solutionFailed);
        EXPECT_EQ(result.interactor.verdict, Verdict::accepted);
        EXPECT_EQ(result.interactor.message, u"3 answers right"_s);
        EXPECT_EQ(result.transcript, u"[인터랙터] 3\n[인터랙터] 1 2\n[풀이] 3\n[인터랙터] 40 2\n"
                                     u"[풀이] 42\n[인터랙터] -7 7\n[풀이] 0\n"_s);
        EXPECT_GT(result.solutionMilliseconds, 0);
    }
}

TEST_F(InteractionTest, TheInteractorJudgesAnswersAndAClosedConversationIsNotTheSolutionsFault) {
    const InteractionResult wrong = talk(u"sum_off_by_one.cpp"_s, 10s);
    EXPECT_FALSE(wrong.solutionFailed);
    EXPECT_EQ(wrong.interactor.verdict, Verdict::wrongAnswer);
    EXPECT_EQ(wrong.interactor.message, u"question 2: expected 42, found 43"_s);

    // It never reads and never stops writing; the interactor ends at the
    // first answer and nothing blocks until the time limit.
    const InteractionResult shouting = talk(u"shouting.cpp"_s, 1s);
    EXPECT_FALSE(shouting.solutionFailed);
    EXPECT_EQ(shouting.interactor.verdict, Verdict::wrongAnswer);
    EXPECT_LE(shouting.transcript.size(), Interaction::transcriptLimit + 20);
}

TEST_F(InteractionTest, TheSolutionsOwnFailureComesFirst) {
    const InteractionResult crashed = Interaction::run(
        PreparedProgram::prepare(u"#include <cstdlib>\nint main() { std::abort(); }"_s,
                                 ProgrammingLanguage::cpp),
        *interactor, CheckerStyle::testlib, "1\n1 1\n", "", {10s});
    EXPECT_TRUE(crashed.solutionFailed);
    EXPECT_EQ(crashed.solution.crashSignal, SIGABRT);
    EXPECT_EQ(crashed.interactor.verdict, Verdict::wrongAnswer);

    const InteractionResult broken =
        Interaction::run(PreparedProgram::prepare(u"int main() {"_s, ProgrammingLanguage::cpp),
                         *interactor, CheckerStyle::testlib, "1\n1 1\n", "", {10s});
    EXPECT_TRUE(broken.solutionFailed);
    EXPECT_FALSE(broken.solution.started);
}

} // namespace
