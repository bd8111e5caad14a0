#include "editor/line_colours.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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
