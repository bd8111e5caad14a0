#pragma once

#include "runner/check_result.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

// How a program's output is held against the expected output, when no checker
// program decides. Outputs are compared as bytes (UTF-8), up to the runner's
// 64 MiB output cap.
struct ComparisonMode {
    enum class Kind {
        exact,    // byte for byte
        lines,    // line ends unified, blanks trimmed from lines, blank ends ignored
        tokens,   // the same words in the same order, any white space between
        floating, // tokens, numbers equal within an absolute or relative tolerance
    };
    static constexpr double defaultTolerance = 1e-6;

    Kind kind = Kind::lines;
    double tolerance = defaultTolerance; // with Kind::floating only

    // The stable name settings, the save file and the command line use:
    // "exact", "lines", "tokens", "float" or "float:EPS".
    QString name() const;
    // Nothing for an unknown name or a tolerance that is not a finite number >= 0.
    static std::optional<ComparisonMode> fromName(const QString& name);
    // What the test panel shows.
    QString label() const;

    bool operator==(const ComparisonMode&) const = default;
};

// Accepted or wrong answer, with a short message that says where the output
// first differs. An empty expected output is compared like any other.
CheckResult compareOutputs(const ComparisonMode& mode, QByteArrayView output,
                           QByteArrayView expected);
