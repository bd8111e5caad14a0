#pragma once

#include <QString>

// What a comparison, a checker program or an interactor decided about one
// output. A checker that could not decide (it did not compile, crashed, ran
// out of time or answered a code its convention has no meaning for) is a
// checkerFailure, never a wrong answer; the message says why, for the card.
struct CheckResult {
    enum class Verdict { accepted, wrongAnswer, presentationError, points, checkerFailure };

    Verdict verdict = Verdict::checkerFailure;
    double points = 0; // with Verdict::points only
    QString message;

    bool operator==(const CheckResult&) const = default;
};
