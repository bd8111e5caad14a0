#include "runner/run_report.h"
#include "support/printers.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

FileItem file(const QString& name, ProgrammingLanguage language) {
    return FileItem::make(name, language, {});
}

// Names the first line that differs, which a whole-text comparison of a long
// report does not.
::testing::AssertionResult sameText(const QString& actual, const QString& expected) {
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const QStringList actualLines = actual.split(u'\n');
    const QStringList expectedLines = expected.split(u'\n');
    for (qsizetype i = 0; i < std::max(actualLines.size(), expectedLines.size()); ++i) {
        const QString a = actualLines.value(i, u"<none>"_s);
        const QString e = expectedLines.value(i, u"<none>"_s);
        if (a != e)
            return ::testing::AssertionFailure()
                   << "line " << i + 1 << "\n  actual:   " << a.toStdString()
                   << "\n  expected: " << e.toStdString();
    }
    return ::testing::AssertionFailure() << "texts differ";
}

QString card(int number, bool passed, const QString& time, const QStringList& lines) {
    QString text = u"┌─ 테스트 #"_s + QString::number(number) + u" ─ "_s +
                   (passed ? u"✅ PASS"_s : u"❌ FAIL"_s) + u" ─ "_s + time + u"ms ─┐\n"_s;
    for (const QString& line : lines)
        text += u"│ "_s + line + u'\n';
    return text + u"└────────────────────────────────────────┘\n\n"_s;
}

TEST(RunReportTest, WorkedExampleMatchesTheGoldenFile) {
    QFile golden(QStringLiteral(CORVANTA_TEST_DATA_DIR "/worked_example_report.txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QString expected = QString::fromUtf8(golden.readAll());

    // Handed over out of order: the report sorts by index.
    const QList<TestRunRecord> records = {
        {1, u"런타임 에러"_s, false, 790},
        {0, u"3\n"_s, true, 812.5},
    };
    EXPECT_TRUE(
        sameText(buildRunReport(file(u"a.cpp"_s, ProgrammingLanguage::cpp), records), expected));
}

TEST(RunReportTest, Layout) {
    QStringList twentyFive;
    for (int i = 1; i <= 25; ++i)
        twentyFive.append(QString::number(i));
    const QString header =
        u"╔══════════════════════════════════════════╗\n║  🦦 s.py\n║  🦦 Python | ⏱️ 총 "_s;
    const QString headerEnd =
        u"ms (정확하지 않을 sudo..?)\n╚══════════════════════════════════════════╝\n\n"_s;
    const QString rule = u"═══════════════════════════════════════════\n"_s;
    const struct {
        const char* name;
        QList<TestRunRecord> records;
        QString total;
        QString cards;
        QString result;
    } cases[] = {
        {"no test cases",
         {},
         u"0.00"_s,
         {},
         u"🦦🦦🎉 결과: 0/0 통과 - 모든 테스트 통과! 이예이"_s},
        {"long output is cut after ten lines",
         {{0, twentyFive.join(u'\n'), true, 1}},
         u"1.00"_s,
         card(1, true, u"1.00"_s, twentyFive.mid(0, 10) + QStringList{u"...(15줄 더)"_s}),
         u"🦦🦦🎉 결과: 1/1 통과 - 모든 테스트 통과! 이예이"_s},
        {"exactly ten lines need no remainder line",
         {{0, twentyFive.mid(0, 10).join(u'\n'), true, 0}},
         u"0.00"_s,
         card(1, true, u"0.00"_s, twentyFive.mid(0, 10)),
         u"🦦🦦🎉 결과: 1/1 통과 - 모든 테스트 통과! 이예이"_s},
        {"empty output is one empty line; times as %.2f rounds them",
         {{0, {}, false, 2.675}, {1, u"a\r\nb"_s, false, 0.125}},
         u"2.80"_s,
         card(1, false, u"2.67"_s, {QString()}) + card(2, false, u"0.12"_s, {u"a\r"_s, u"b"_s}),
         u"📊 결과: 0/2 통과"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString expected =
            header + c.total + headerEnd + c.cards + rule + c.result + u'\n' + rule;
        EXPECT_TRUE(sameText(
            buildRunReport(file(u"s.py"_s, ProgrammingLanguage::python), c.records), expected));
    }
}

TEST(RunReportTest, NormalizeOutput) {
    const struct {
        QString text;
        QString normalized;
    } cases[] = {
        {u"1 2 \r\n3\n\n"_s, u"1 2\n3"_s},
        {u"1 2\n\n3"_s, u"1 2\n\n3"_s},
        {u"a\rb\r\n"_s, u"a\nb"_s},
        {u"  a\t \n\tb  "_s, u"a\nb"_s},
        {u"1  2"_s, u"1  2"_s},
        {u"a\u00A0\u3000\nb"_s, u"a\nb"_s},
        {u"   \n \n\t"_s, QString()},
        // Line and paragraph separators and form feeds are line breaks: kept
        // inside, trimmed only from the ends of the whole text.
        {u"a\u2028b\u2029\f\v"_s, u"a\u2028b"_s},
        {u"\n\nx\n"_s, u"x"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(normalizeOutput(c.text), c.normalized) << c.text.toStdString();
}

TEST(RunReportTest, Verdict) {
    const struct {
        const char* name;
        RunResult result;
        QString expected;
        bool passed;
    } cases[] = {
        {"trailing blanks, CR LF and final empty lines are ignored",
         {u"1 2 \r\n3\n\n"_s},
         u"1 2\n3"_s,
         true},
        {"an inner empty line counts", {u"1 2\n\n3"_s}, u"1 2\n3"_s, false},
        {"spaces inside a line count", {u"1  2"_s}, u"1 2"_s, false},
        {"canonically equivalent text is equal", {u"caf\u00E9\n"_s}, u"cafe\u0301"_s, true},
        {"no expected output passes any run without error", {u"anything"_s}, QString(), true},
        {"blank expected output counts as none", {u"anything"_s}, u" \n \n"_s, true},
        {"an error never passes", {u"3"_s, true}, u"3"_s, false},
        {"an error fails without expected output too", {u"런타임 에러"_s, true}, QString(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isPassing(c.result, c.expected), c.passed) << c.name;
}

} // namespace
