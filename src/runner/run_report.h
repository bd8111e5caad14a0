#pragma once

#include "base/records.h"
#include "base/verdict.h"

#include <QList>
#include <QString>
#include <optional>

// The result of one executed test case, as the report lists it.
struct TestRunRecord {
    int index = 0; // position of the case in the run's snapshot
    CaseResult result;

    bool operator==(const TestRunRecord&) const = default;
};

// For comparison only: line ends unified, blanks trimmed from every line,
// white space and line breaks trimmed from both ends of the whole text.
QString normalizeOutput(const QString& text);

// The comparison of a case that ran cleanly: the normalised texts must be
// equal (canonically equivalent Unicode counts as equal); an expected output
// that normalises to nothing is no expected output.
Verdict compareOutput(const QString& expectedOutput, const QString& actualOutput);

// The judge's words for a verdict, with a run-time error's signal or exit
// status: "맞았습니다", "런타임 에러 (SIGSEGV)", ...
QString verdictLabel(const Verdict& verdict);
// The emoji the console puts before the words.
QString verdictSymbol(VerdictKind kind);
// What a case's card shows: the output when the verdict is about it,
// otherwise what explains the failure (standard error, say), if anything;
// a failing program's output may be the flood that ended it.
const QString& shownText(const CaseResult& result);
// A failure that kept a program from running, as a message shows it:
// "🔴 컴파일 에러:\n" and the compiler's words.
QString failureText(const CaseResult& result);
// "3456KB", as the judge writes memory.
QString memoryLabel(qint64 kib);

// The console's text while a run goes on.
QString runningMessage(const FileItem& file);

// The framed console report: a header with the total time; the failure that
// kept every case from running (a compile error) once, or one card per record
// in index order with its verdict, times and peak memory; the pass count.
QString buildRunReport(const FileItem& file, QList<TestRunRecord> records,
                       const std::optional<CaseResult>& runFailure = std::nullopt);
