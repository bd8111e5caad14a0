#pragma once

#include "base/programming_language.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A problem package folder as laid out for judges: problem.yaml, data/sample
// and data/secret (NAME.in with NAME.ans), an output validator, and the
// authors' submissions sorted by the verdict they expect.
struct ProblemPackage {
    enum class Validation {
        standard,    // the output is compared with the answer
        custom,      // the output validator decides
        interactive, // the output validator talks with the solution
    };
    enum class Expected { accepted, wrongAnswer, runTimeError, timeLimitExceeded };

    struct Case {
        QString name;       // relative to data/, without .in: "sample/1"
        QString inputPath;  // absolute
        QString answerPath; // absolute; empty when there is no .ans
    };
    struct Submission {
        QString path; // absolute
        ProgrammingLanguage language = ProgrammingLanguage::txt;
        Expected expected = Expected::accepted;
    };

    QString folder;
    QString name; // problem.yaml's name, else the folder's
    Validation validation = Validation::standard;
    QStringList validatorFlags;
    std::optional<double> timeLimitSeconds; // limits.time_limit, else the .timelimit file
    std::optional<double> timeMultiplier;   // limits.time_multiplier
    std::optional<int> memoryMegabytes;     // limits.memory
    // The one source file of output_validators/*/ or output_validator/, in a
    // language we run; empty for a package without one.
    QString validatorPath;
    ProgrammingLanguage validatorLanguage = ProgrammingLanguage::txt;
    QList<Case> cases; // samples first, each folder in natural order
    // Single-file submissions in our languages, under the four verdict folders
    // we know (accepted, wrong_answer, run_time_error, time_limit_exceeded).
    QList<Submission> submissions;

    // Nothing, with a message naming the file and the fault, when problem.yaml
    // cannot be read or the layout asks for what we cannot run (a validator of
    // several files, a scoring problem, a custom validation without a validator).
    static std::optional<ProblemPackage> load(const QString& folder, QString* error);
};

// The submissions folder's name for a verdict: "accepted", "wrong_answer", ...
QString expectedFolderName(ProblemPackage::Expected expected);
