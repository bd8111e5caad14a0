#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// How one case of a run ended. The judge's own states first, then those of a
// local run: no expected output to compare with, stopped by the user, and a
// program that could not be started at all.
enum class VerdictKind {
    accepted,
    wrongAnswer,
    timeLimit,
    memoryLimit,
    runtimeError,
    outputLimit,
    compileError,
    checkerFailure,
    noExpectedOutput,
    stopped,
    failedToStart,
};

struct Verdict {
    VerdictKind kind = VerdictKind::failedToStart;
    // A run-time error's cause: the signal that ended the program, or else
    // its exit status.
    int exitCode = 0;
    int signal = 0;

    // Nothing went wrong: accepted, or ran cleanly with nothing to compare.
    bool passes() const {
        return kind == VerdictKind::accepted || kind == VerdictKind::noExpectedOutput;
    }

    bool operator==(const Verdict&) const = default;
};

// A stable lower-case word per kind ("accepted", "wrong-answer", ...), for
// machine-readable output; never shown to the user.
QString verdictWord(VerdictKind kind);
std::optional<VerdictKind> verdictKindFromWord(const QString& word);

// One case's result as the runner hands it on and every view shows it. The
// figures are those of the program alone (no compile); zero when it never ran.
struct CaseResult {
    Verdict verdict;
    // The program's standard output.
    QString output;
    // What explains a failure: the program's standard error, the compiler's
    // messages, why nothing could start.
    QString message;
    double wallMs = 0;
    double cpuMs = 0;
    qint64 peakMemoryKiB = 0;

    bool operator==(const CaseResult&) const = default;
};
