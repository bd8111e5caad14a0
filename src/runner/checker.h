#pragma once

#include "runner/check_result.h"
#include "runner/code_runner.h"
#include "runner/program_run.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

// The two ways a checker program is called, and what its exit status means.
//   testlib: `checker input output answer`; 0 accepted, 1 wrong answer,
//            2 presentation error, 3 checker failure, 7 points (the number
//            that starts its message); message on standard error.
//   package: `validator input answer feedback_folder` with the output on
//            standard input; 42 accepted, 43 wrong answer, anything else a
//            judge error; message in feedback_folder/judgemessage.txt, else
//            on standard error.
enum class CheckerStyle { testlib, package };

// "testlib" or "package", for settings, the save file and the command line.
QString checkerStyleName(CheckerStyle style);
std::optional<CheckerStyle> checkerStyleFromName(const QString& name);

// What a checker's (or an interactor's) end means in its convention. Crashes,
// time limits, output floods, failures to start and unknown codes are checker
// failures that say what happened.
CheckResult interpretCheckerEnd(CheckerStyle style, const ProgramRun::Outcome& outcome,
                                int timeLimitSeconds, const QString& feedbackFolder);

// A checker program made ready once (compiled or taken from the compile cache,
// like a solution) and called once per case. check() is const and writes its
// files into a folder of its own per call, so one Checker may serve several
// threads.
class Checker {
public:
    static Checker prepare(const QString& code, ProgrammingLanguage language, CheckerStyle style,
                           const PrepareOptions& options = {});

    CheckerStyle style() const { return m_style; }
    // Why it cannot check: it did not compile, say.
    const std::optional<CaseResult>& preparationFailure() const { return m_program.failure(); }
    // Passed after the convention's own arguments (a package's validator flags).
    void setExtraArguments(const QStringList& arguments) { m_extraArguments = arguments; }

    // A checker that did not compile fails every case with its compile message.
    CheckResult check(QByteArrayView input, QByteArrayView output, QByteArrayView answer,
                      int timeLimitSeconds, const StopSignal* stop = nullptr) const;

private:
    Checker(PreparedProgram program, CheckerStyle style);

    PreparedProgram m_program;
    CheckerStyle m_style;
    QStringList m_extraArguments;
};
