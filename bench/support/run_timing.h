#pragma once

#include "base/records.h"
#include "runner/case_judge.h"

#include <QList>
#include <QString>

// Milliseconds for one JudgeRun of `file` over `testCases` (the default
// memory limit, the timeout as the time limit), as the window
// starts it, from construction to its finished signal, judged by `judging`. Exits the process
// with the report when the report lacks `passed` (e.g. "10/10 통과"): a
// figure for a run that failed would mean nothing.
double timeTestRun(const FileItem& file, const QList<TestCase>& testCases, int timeoutSeconds,
                   const QString& passed, const JudgeOptions& judging = {});
