#include "editor/line_colours.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using ColourRun = LineColours::Run;

std::vector<ColourRun> runsOf(const LineColours& colours, qsizetype line) {
    const std::span<const ColourRun> runs = colours.runs(line);
    return {runs.begin(), runs.end()};
}

} // namespace

void PrintTo(const LineColours::Run& run, std::ostream* out) {
    *out << "{" << run.start << ", " << run.length << ", " << roleName(run.role).toStdString()
         << "}";
}

TEST(LineColours, RunsAreRelativeToTheirLine) {
    const QString text = u"int a;\n\n  return 0; // x\nint b;"_s;
    const LineColours colours(text, highlight(text, ProgrammingLanguage::cpp));
    ASSERT_EQ(colours.lineCount(), 4);
    EXPECT_EQ(runsOf(colours, 0),
              (std::vector<ColourRun>{{0, 3, ColorRole::type}, {4, 1, ColorRole::variable}}));
    EXPECT_TRUE(runsOf(colours, 1).empty());
    EXPECT_EQ(runsOf(colours, 2), (std::vector<ColourRun>{{2, 6, ColorRole::keyword},
                                                          {9, 1, ColorRole::number},
                                                          {12, 4, ColorRole::comment}}));
    EXPECT_EQ(runsOf(colours, 3), runsOf(colours, 0));
}

// The digest tells lines apart by their runs alone: equal runs on other
// lines or with other text digest alike, a plain line digests to 0.
TEST(LineColours, DigestFollowsTheRuns) {
    const QString text = u"int a;\nint b;\nint  c;\nfloat a;\nx\n\n"_s;
    const LineColours colours(text, highlight(text, ProgrammingLanguage::cpp));
    ASSERT_EQ(colours.lineCount(), 7);
    EXPECT_EQ(colours.digest(0), colours.digest(1));
    EXPECT_NE(colours.digest(0), colours.digest(2)) << "same roles, another position";
    EXPECT_NE(colours.digest(0), colours.digest(3)) << "same start, another length";
    for (qsizetype line = 0; line < 4; ++line)
        EXPECT_NE(colours.digest(line), 0u);
    for (qsizetype line = 4; line < 7; ++line)
        EXPECT_EQ(colours.digest(line), 0u);
}
