#pragma once

#include "base/records.h"
#include "runner/code_runner.h"

#include <QList>
#include <QString>

// The outcome of one executed test case, as the report lists it.
struct TestRunRecord {
    int index = 0;  // position of the case in the run's snapshot
    QString output; // the run's raw output or failure message
    bool passed = false;
    double executionTime = 0;

    bool operator==(const TestRunRecord&) const = default;
};

// For comparison only: line ends unified, blanks trimmed from every line,
// white space and line breaks trimmed from both ends of the whole text.
QString normalizeOutput(const QString& text);

// A failed run never passes; a case without expected output passes whenever
// the program ran; otherwise the normalised texts must be equal (canonically
// equivalent Unicode counts as equal).
bool isPassing(const RunResult& result, const QString& expectedOutput);

// The console's text while a run goes on.
QString runningMessage(const FileItem& file);

// The framed console report: a header with the total time, one card per
// record in index order, the pass count.
QString buildRunReport(const FileItem& file, QList<TestRunRecord> records);
