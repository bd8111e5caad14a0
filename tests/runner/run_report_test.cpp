#include "runner/run_report.h"
#include "support/golden.h"
#include "support/printers.h"

#include <csignal>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

FileItem file(const QString& name, ProgrammingLanguage language) {
    return FileItem::make(name, language, {});
}

CaseResult ran(VerdictKind kind, const QString& output, double wallMs,
               const QString& message = {}) {
    return CaseResult{{kind}, output, message, wallMs, 0, 0};
}

QString card(int number, const QString& verdict, const QString& time, const QStringList& lines) {
    QString text = u"┌─ 테스트 #"_s + QString::number(number) + u" ─ "_s + verdict + u" ─ "_s +
                   time + u"ms ─┐\n"_s;
    for (const QString& line : lines)
        text += u"│ "_s + line + u'\n';
    return text + u"└────────────────────────────────────────┘\n\n"_s;
}

TEST(RunReportTest, WorkedExampleMatchesTheGoldenFile) {
    // Handed over out of order: the report sorts by index.
    const QList<TestRunRecord> records = {
        {1, CaseResult{{VerdictKind::runtimeError, 0, SIGSEGV}, u"lost"_s, {}, 790, 780, 2048}},
        {0, CaseResult{{VerdictKind::accepted}, u"3\n"_s, {}, 812.5, 800, 3456}},
    };
    EXPECT_TRUE(matchesGolden(buildRunReport(file(u"a.cpp"_s, ProgrammingLanguage::cpp), records),
                              QStringLiteral(CORVANTA_TEST_DATA_DIR "/worked_example_report.txt")));
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
    const QString allPassed =
        u"🦦🦦🎉 결과: 1/1 통과 - 모든 테스트 통과! 이예이"_s;
    const QString accepted = u"✅ 맞았습니다"_s;
    const struct {
        const char* name;
        QList<TestRunRecord> records;
        std::optional<CaseResult> runFailure;
        QString total;
        QString cards;
        QString result;
    } cases[] = {
        {"no test cases",
         {},
         {},
         u"0.00"_s,
         {},
         u"🦦🦦🎉 결과: 0/0 통과 - 모든 테스트 통과! 이예이"_s},
        {"long output is cut after ten lines",
         {{0, ran(VerdictKind::accepted, twentyFive.join(u'\n'), 1)}},
         {},
         u"1.00"_s,
         card(1, accepted, u"1.00"_s, twentyFive.mid(0, 10) + QStringList{u"...(15줄 더)"_s}),
         allPassed},
        {"exactly ten lines need no remainder line",
         {{0, ran(VerdictKind::noExpectedOutput, twentyFive.mid(0, 10).join(u'\n'), 0)}},
         {},
         u"0.00"_s,
         card(1, u"✅ 실행 완료 (예상 출력 없음)"_s, u"0.00"_s, twentyFive.mid(0, 10)),
         allPassed},
        {"a failure shows its message, not its output; times as %.2f rounds them",
         {{0, ran(VerdictKind::wrongAnswer, {}, 2.675)},
          {1, ran(VerdictKind::timeLimit, u"partial"_s, 0.125, u"a\r\nb"_s)}},
         {},
         u"2.80"_s,
         card(1, u"❌ 틀렸습니다"_s, u"2.67"_s, {QString()}) +
             card(2, u"⏱️ 시간 초과"_s, u"0.12"_s, {u"a\r"_s, u"b"_s}),
         u"📊 결과: 0/2 통과"_s},
        {"a compile error is shown once for every case",
         {{0, ran(VerdictKind::compileError, {}, 0)}, {1, ran(VerdictKind::compileError, {}, 0)}},
         ran(VerdictKind::compileError, {}, 0, u"a.py:1: error"_s),
         u"0.00"_s,
         u"┌─ 🔴 컴파일 에러 ─┐\n│ a.py:1: error\n└────────────────────────────────────────┘\n\n"_s,
         u"📊 결과: 0/2 통과"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString expected =
            header + c.total + headerEnd + c.cards + rule + c.result + u'\n' + rule;
        EXPECT_TRUE(sameLines(
            buildRunReport(file(u"s.py"_s, ProgrammingLanguage::python), c.records, c.runFailure),
            expected));
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
    // Canonically equivalent text is the same answer.
    EXPECT_EQ(compareOutput(u"cafe\u0301"_s, u"caf\u00E9\n"_s).kind, VerdictKind::accepted);
}

TEST(RunReportTest, RunTimeErrorNamesItsSignalOrExitCode) {
    EXPECT_EQ(verdictLabel({VerdictKind::runtimeError, 0, SIGSEGV}), u"런타임 에러 (SIGSEGV)"_s);
    EXPECT_EQ(verdictLabel({VerdictKind::runtimeError, 3, 0}), u"런타임 에러 (종료 코드 3)"_s);
}

} // namespace
