#include "problems/problem_limits.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Limits {
    std::optional<QString> time;
    std::optional<QString> memory;
};

void expectLimits(const QString& html, const Limits& expected, const std::string& what) {
    const ProblemLimits limits = readProblemLimits(html);
    EXPECT_EQ(limits.timeLimit, expected.time) << what;
    EXPECT_EQ(limits.memoryLimit, expected.memory) << what;
}

TEST(ProblemLimits, FollowTheirHeadingsAndReadTheCellAsText) {
    const QString reordered =
        u"<table id=\"problem-info\"><thead><tr><th>제출</th><th>메모리 제한</th>"
        u"<th class=\"x\">시간 제한</th></tr></thead><tbody><tr><td>9</td>"
        u"<td>512&nbsp;MB</td><td>1 초 <b>(추가 시간 없음)</b>\n</td></tr></tbody></table>"_s;
    expectLimits(reordered, {u"1 초 (추가 시간 없음)"_s, u"512 MB"_s}, "reordered");

    const QString memoryOnly = u"<table id=\"problem-info\"><tr><th>메모리 제한</th></tr>"
                               u"<tr><td>64 MB</td></tr></table>"_s;
    expectLimits(memoryOnly, {std::nullopt, u"64 MB"_s}, "memory only");

    // Another table's cells after the info table are not read.
    const QString headingsOnly = u"<table id=\"problem-info\"><tr><th>시간 제한</th></tr>"
                                 u"</table><table><tr><td>3 초</td></tr></table>"_s;
    expectLimits(headingsOnly, {}, "headings only");

    // The numbers the runs judge by.
    EXPECT_EQ(timeLimitMilliseconds(u"0.5 초 (추가 시간 없음)"_s), 500);
    EXPECT_EQ(timeLimitMilliseconds(u"2 초"_s), 2000);
    EXPECT_EQ(memoryLimitMegabytes(u"512 MB"_s), 512);
    for (const QString& text : {u""_s, u"1 MB"_s, u"언어별 상이"_s, u"0 초"_s, u"1e9 초"_s})
        EXPECT_FALSE(timeLimitMilliseconds(text)) << text.toStdString();

    const QString unclosed = u"<table id=\"problem-info\"><th>시간 제한<td>1 초"_s;
    expectLimits(unclosed, {}, "unclosed cells");
}

} // namespace
