#include "runner/comparison.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Kind = ComparisonMode::Kind;
using Verdict = CheckResult::Verdict;

struct Case {
    const char* output;
    const char* expected;
    bool accepted;
};

void expectVerdicts(const ComparisonMode& mode, std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        const CheckResult result = compareOutputs(mode, c.output, c.expected);
        EXPECT_EQ(result.verdict == Verdict::accepted, c.accepted)
            << mode.name().toStdString() << ": \"" << c.output << "\" against \"" << c.expected
            << "\": " << result.message.toStdString();
    }
}

TEST(Comparison, FloatTokensWithinTheToleranceCountAsEqual) {
    expectVerdicts({Kind::floating}, {
                                         {"0.3333333", "0.333333333", true},
                                         {"0.333332", "0.333333333", false},
                                         // Relative for large answers: 1e-6 of 1e9 is 1000.
                                         {"1000000500", "1e9", true},
                                         {"1000002000", "1e9", false},
                                         {"+1.5\n2", "1.5 2.0000000001", true},
                                         {"1.5", "1.5 2", false},
                                         {"1.5 2 3", "1.5 2", false},
                                         {"yes 0.5", "YES 0.5", false},
                                         {"nan", "0", false},
                                         {"0x10", "16", false},
                                     });
    expectVerdicts(*ComparisonMode::fromName(u"float:0.01"_s),
                   {{"3.14", "3.14159", true}, {"3.1", "3.14159", false}});
}

TEST(Comparison, LinesFollowTheTrimmingRuleAndTokensIgnoreLayout) {
    expectVerdicts({Kind::lines}, {
                                      {"1 2 \r\n3\n\n", "1 2\n3", true},
                                      {"\n\n  1 2\t\n3", "1 2\n3\n", true},
                                      {"1 2\n\n3", "1 2\n3", false},
                                      {"1  2\n3", "1 2\n3", false},
                                      {"1 2", "1 2\n3", false},
                                      {"1 2\n3\n4", "1 2\n3", false},
                                      {"", "", true},
                                      {"x", "", false},
                                      // Unicode blanks and composed forms take the full rule.
                                      {"맞았습니다\u3000\n", "맞았습니다", true},
                                      {"e\u0301", "\u00e9\n", true},
                                      {"\f1\v", "1", true},
                                  });
    expectVerdicts({Kind::tokens}, {
                                       {"1\n2\t 3\r\n", "1 2 3", true},
                                       {"1 2", "1 2 3", false},
                                       {"1.0", "1", false},
                                   });
    expectVerdicts({Kind::exact}, {{"1\n", "1\n", true}, {"1\n", "1", false}});
}

TEST(Comparison, MessagesSayWhereTheOutputFirstDiffers) {
    EXPECT_EQ(compareOutputs({Kind::lines}, "a\nb\nc", "a\nb\nd").message,
              u"3번째 줄: 기대 \"d\", 출력 \"c\""_s);
    EXPECT_EQ(compareOutputs({Kind::tokens}, "1 2 4", "1 2 3").message,
              u"3번째 토큰: 기대 \"3\", 출력 \"4\""_s);
    EXPECT_EQ(compareOutputs({Kind::exact}, "a\nb\nX", "a\nb\nc").message,
              u"3번째 줄에서 다릅니다"_s);
    // A card quotes a differing line, not all of it.
    EXPECT_LT(compareOutputs({Kind::lines}, QByteArray(100000, 'x'), "y").message.size(), 80);
}

TEST(Comparison, NamesRoundTripAndBadNamesAreRefused) {
    for (const char* name : {"exact", "lines", "tokens", "float", "float:1e-09", "float:0.5"}) {
        const std::optional<ComparisonMode> mode =
            ComparisonMode::fromName(QString::fromUtf8(name));
        ASSERT_TRUE(mode) << name;
        EXPECT_EQ(mode->name(), QString::fromUtf8(name));
    }
    EXPECT_EQ(ComparisonMode::fromName(u"float:1e-6"_s)->name(), u"float"_s);
    EXPECT_EQ(ComparisonMode{}.name(), u"lines"_s);
    for (const char* name : {"", "Lines", "float:", "float:-1", "float:inf", "float:abc", "floats"})
        EXPECT_FALSE(ComparisonMode::fromName(QString::fromUtf8(name))) << name;
}

} // namespace
