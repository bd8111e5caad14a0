#pragma once

#include "runner/check_result.h"
#include "runner/checker.h"
#include "runner/code_runner.h"
#include "runner/program_run.h"

#include <QByteArrayView>
#include <QString>
#include <chrono>

// The limits both programs of an interaction run under.
struct InteractionLimits {
    std::chrono::milliseconds time{0}; // wall time from the launch; 0 for none
    // The solution's, held as in a run of its own; 0 for none. The solution is
    // measured through the exec helper either way.
    qint64 memoryKiB = 0;
};

struct InteractionResult {
    // How the solution ended, with its times and peak memory. Its standard
    // output went to the interactor and is not kept; its standard error is.
    ProgramRun::Outcome solution;
    // From the launch to the solution's end; 0 when it never started.
    double solutionMilliseconds = 0;
    // The interactor's decision, a checker failure when it could not decide.
    CheckResult interactor;
    // The solution's own failure (it did not start, crashed, ended with a
    // status other than 0, ran out of time or output) is the verdict, before
    // the interactor's. Not when the interactor had already found the answer
    // wrong: then the failure is how the solution met the closed conversation.
    bool solutionFailed = false;
    // The conversation, each line marked with the side that wrote it, cut
    // after transcriptLimit bytes.
    QString transcript;
};

// Runs a solution against an interactor, each one's standard output fed to the
// other's standard input through this process, which keeps the transcript.
// Each program has a process group of its own. The interactor is called in the
// given convention: testlib `interactor input output` (output a file of its
// own, exit codes as a checker's), package `interactor input answer
// feedback_folder/` (42 accepted, 43 wrong answer). Neither side blocks the
// other for good: what is written to a side that stopped reading is dropped,
// a side that ends closes the other's input once what it wrote is delivered,
// and the time limit or a stop request ends both. Blocks; for a worker thread.
class Interaction {
public:
    static constexpr qsizetype transcriptLimit = 64 * 1024;

    static InteractionResult run(const PreparedProgram& solution, const PreparedProgram& interactor,
                                 CheckerStyle style, QByteArrayView input, QByteArrayView answer,
                                 const InteractionLimits& limits, const StopSignal* stop = nullptr);
};
