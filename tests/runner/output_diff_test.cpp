#include "runner/output_diff.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString marked(const DiffSide& side) {
    QStringList words;
    for (const DiffMark& mark : side.marks)
        words << side.text.mid(mark.start, mark.length);
    return words.join(u'|');
}

const DiffRow* firstOf(const OutputDiff& diff, DiffRow::Kind kind) {
    for (const DiffRow& row : diff.rows) {
        if (row.kind == kind)
            return &row;
    }
    return nullptr;
}

} // namespace

TEST(OutputDiffTest, AWrongValueIsNamedByLineAndPositionAndMarked) {
    const OutputDiff diff =
        diffOutputs(u"1 2\n3 42 7\n5\n"_s, u"1 2\n3 41 7\n5\n"_s, u"공백 무시"_s);
    EXPECT_EQ(diff.outcome, OutputDiff::Outcome::different);
    EXPECT_EQ(diff.summary, u"2번째 줄 2번째 값: 기대 42, 실제 41 · 비교 규칙: 공백 무시"_s);
    const DiffRow* row = firstOf(diff, DiffRow::Kind::changed);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->expected.line, 1);
    EXPECT_EQ(marked(row->expected), u"42"_s);
    EXPECT_EQ(marked(row->actual), u"41"_s);
    // The equal lines around it are shown as context.
    EXPECT_EQ(diff.rows.size(), 3);
}

TEST(OutputDiffTest, MissingAndExtraLinesSayWhereAnOutputEnds) {
    const OutputDiff early = diffOutputs(u"1\n2\n3\n"_s, u"1\n2\n"_s, {});
    EXPECT_EQ(early.summary, u"3번째 줄 1번째 값: 기대 3, 실제 출력은 여기서 끝남"_s);
    ASSERT_TRUE(firstOf(early, DiffRow::Kind::expectedOnly));
    EXPECT_EQ(firstOf(early, DiffRow::Kind::expectedOnly)->actual.line, -1);

    const OutputDiff extra = diffOutputs(u"1\n"_s, u"1\n99\n"_s, {});
    EXPECT_EQ(extra.summary, u"2번째 줄 1번째 값: 기대 출력은 여기서 끝남, 실제 99"_s);
    ASSERT_TRUE(firstOf(extra, DiffRow::Kind::actualOnly));
}

TEST(OutputDiffTest, WhitespaceOnlyDifferencesAreSaidInWords) {
    const struct {
        QString expected;
        QString actual;
        QString words;
    } cases[] = {
        {u"1 2\n3\n"_s, u"1 2  \n3\n"_s, u"줄 끝 공백"_s},
        {u"1 2\n3\n"_s, u"1 2\r\n3\r\n"_s, u"CRLF"_s},
        {u"1 2\n3\n"_s, u"1 2\n3"_s, u"끝에 줄바꿈 없음"_s},
        {u"1 2\n3\n"_s, u"1\t2\n3\n"_s, u"탭"_s},
        {u"1 2\n3\n"_s, u"1\n2 3\n"_s, u"값 사이의 공백이나 줄바꿈"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.actual.toStdString());
        const OutputDiff diff = diffOutputs(c.expected, c.actual, {});
        EXPECT_EQ(diff.outcome, OutputDiff::Outcome::whitespaceOnly);
        EXPECT_TRUE(diff.summary.startsWith(u"공백만 다름"_s)) << diff.summary.toStdString();
        EXPECT_TRUE(diff.summary.contains(c.words)) << diff.summary.toStdString();
        EXPECT_FALSE(diff.rows.isEmpty());
    }
    // The spaces that differ are what is marked.
    const OutputDiff trailing = diffOutputs(u"7\n"_s, u"7 \n"_s, {});
    ASSERT_TRUE(firstOf(trailing, DiffRow::Kind::whitespace));
    EXPECT_EQ(marked(firstOf(trailing, DiffRow::Kind::whitespace)->actual), u" "_s);
}

TEST(OutputDiffTest, HugeOutputsAreLaidOutOnlyAroundTheFirstDifferences) {
    // 300,000 equal lines, then every line differs.
    QString expected;
    QString actual;
    for (int i = 0; i < 300000; ++i) {
        const QString line = QString::number(i) + u'\n';
        expected += line;
        actual += line;
    }
    for (int i = 0; i < 100000; ++i) {
        expected += QString::number(i) + u" a\n"_s;
        actual += QString::number(i) + u" b\n"_s;
    }
    const DiffLimits limits;
    const OutputDiff diff = diffOutputs(expected, actual, {}, limits);
    EXPECT_EQ(diff.summary, u"300,001번째 줄 2번째 값: 기대 a, 실제 b"_s);
    ASSERT_FALSE(diff.rows.isEmpty());
    EXPECT_EQ(diff.rows.first().kind, DiffRow::Kind::skipped);
    EXPECT_EQ(diff.rows.first().skippedLines, 300000 - limits.context);
    EXPECT_LE(diff.rows.size(), limits.shownChanges + limits.context + 1);
    EXPECT_EQ(diff.uncomparedExpectedLines, 100000 - limits.shownChanges);
    EXPECT_EQ(diff.uncomparedActualLines, 100000 - limits.shownChanges);
    EXPECT_FALSE(diff.remainder().isEmpty());

    // One long line is shown around its difference, not whole.
    const QString longLine = QString(100000, u'x') + u" 1 "_s + QString(100000, u'y');
    QString changed = longLine;
    changed[100001] = u'2';
    const OutputDiff wide = diffOutputs(longLine, changed, {});
    const DiffRow* row = firstOf(wide, DiffRow::Kind::changed);
    ASSERT_TRUE(row);
    EXPECT_TRUE(row->actual.cutBefore && row->actual.cutAfter);
    EXPECT_LE(row->actual.text.size(), limits.shownColumns);
    EXPECT_EQ(marked(row->actual), u"2"_s);
}
