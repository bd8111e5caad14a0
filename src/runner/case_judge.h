#pragma once

#include "base/records.h"
#include "runner/checker.h"
#include "runner/code_runner.h"
#include "runner/comparison.h"
#include "workspace/judge_choice.h"

#include <QStringList>
#include <optional>

// What decides a case once the solution ran within the limits: a comparison
// of outputs, a checker program, or an interactor the solution talks with
// (then the case's input goes to the interactor, not to the solution).
struct JudgeOptions {
    ComparisonMode comparison;
    std::optional<FileItem> checker;
    std::optional<FileItem> interactor;
    // How the checker or the interactor is called.
    CheckerStyle style = CheckerStyle::testlib;
    // Passed to the checker after its convention's own (a package's validator flags).
    QStringList checkerArguments;

    bool operator==(const JudgeOptions&) const = default;
};

// The workspace's choice among its files. A comparison name it cannot read
// compares lines; a program file it does not hold judges by the comparison.
JudgeOptions judgeOptionsFor(const JudgeChoice& choice, const QList<FileItem>& files);

// A checker is no solution: it gets the hard stop, and never less than a
// slow checker needs.
int checkerTimeoutSeconds(const RunLimits& limits);

// A run's checker or interactor, made ready once, and the rule that judges
// each case by it. judge() blocks; for the run's worker thread.
//
// A case that ran cleanly is accepted or a wrong answer by the comparison,
// or by the checker (a presentation error or partial points are wrong
// answers too). Without a checker, an expected output of only blanks is no
// expected output, in every comparison mode. A checker that cannot decide makes the case
// 채점기 오류, its message first on the record. In an interaction the
// solution's own failure comes first, then the interactor's verdict; the
// record's output is the conversation, each line marked with its side.
class CaseJudge {
public:
    static CaseJudge prepare(const JudgeOptions& options, const PrepareOptions& prepare = {});

    // Why no case can be judged: the checker or the interactor did not
    // compile. A stopped preparation is no failure.
    std::optional<CaseResult> failure() const { return m_failure; }

    CaseResult judge(PreparedProgram& solution, const TestCase& testCase, const RunLimits& limits,
                     const StopSignal* stop = nullptr) const;

private:
    CaseJudge() = default;

    ComparisonMode m_comparison;
    CheckerStyle m_style = CheckerStyle::testlib;
    std::optional<Checker> m_checker;
    std::optional<PreparedProgram> m_interactor;
    std::optional<CaseResult> m_failure;
};
