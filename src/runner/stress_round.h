#pragma once

#include "base/programming_language.h"
#include "runner/checker.h"
#include "runner/code_runner.h"
#include "runner/comparison.h"
#include "runner/program_run.h"
#include "runner/run_limits.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The programs of a stress test.
enum class StressRole { solution, bruteForce, generator, checker };

// One round of a stress test and what became of it. The generator's standard
// output is the input; the brute force's output is the answer the solution's
// output is held against.
struct StressRound {
    enum class Outcome {
        passed,
        counterexample, // the solution failed the round: see failure
        programFailed,  // another program failed, or a program could not run: see culprit
        stopped,        // cut short by a stop request; says nothing
    };
    // How the solution failed.
    enum class Failure { wrongAnswer, timeLimit, memoryLimit, runtimeError, outputLimit };

    Outcome outcome = Outcome::stopped;
    Failure failure = Failure::wrongAnswer;
    StressRole culprit = StressRole::solution;
    // Why, in words: the comparison's or checker's message, the failing
    // program's error output, a compile error.
    QString message;

    quint64 seed = 0;
    QList<qint64> values;  // the pattern's drawn values
    QStringList arguments; // the generator's arguments after the seed
    QByteArray input;
    QByteArray answer;
    QByteArray output;
};

// How the solution failed, in the judge's words.
QString stressFailureWords(StressRound::Failure failure);

// The file the programs of one worker's rounds read their input from: in
// memory and rewritten in place, because creating or truncating a file on
// disk costs more than a small program's whole run.
class StressInput {
public:
    StressInput();
    ~StressInput();
    StressInput(const StressInput&) = delete;
    StressInput& operator=(const StressInput&) = delete;

    // False with `error` set when the bytes could not be stored.
    bool store(QByteArrayView bytes, QString* error);
    // Each opening reads from the start.
    QString path() const { return m_path; }

private:
    int m_descriptor = -1;
    int m_openError = 0;
    QString m_path;
};

struct StressSource {
    QString code;
    ProgrammingLanguage language = ProgrammingLanguage::cpp;
    // How compiler messages name it.
    QString name;
};

// The solution, the brute force and the generator (and a checker, when one
// decides instead of the comparison), each compiled once or taken from the
// compile cache. run() is const and keeps no state, so any number of workers
// may run rounds at once, each with a StressInput of its own.
class StressPrograms {
public:
    struct Sources {
        StressSource solution;
        StressSource bruteForce;
        StressSource generator;
        std::optional<StressSource> checker;
        CheckerStyle checkerStyle = CheckerStyle::testlib;
    };

    // `options` serves all of them; each gets its own source name. The
    // solution is held to `limits` as the judge holds it (its time and
    // memory limits); the others get only the hard stop, since a brute force
    // is slow by design.
    static StressPrograms prepare(const Sources& sources, ComparisonMode comparison,
                                  const RunLimits& limits, const PrepareOptions& options);

    // A program that could not be made ready: the round says whose and why.
    std::optional<StressRound> failure() const;
    // A raised stop ends the round at once as stopped.
    StressRound run(quint64 seed, const QList<qint64>& values, const QStringList& arguments,
                    StressInput& input, const StopSignal* stop) const;
    // run() in two steps, for a caller that looks at the input before it is
    // judged. generate() runs the generator with the round's seed and
    // arguments: true with the input in place, false when the round ended
    // there (stopped, or the generator failed). judge() runs the rest.
    bool generate(StressRound& round, const StopSignal* stop) const;
    void judge(StressRound& round, StressInput& input, const StopSignal* stop) const;
    // What judged the outputs, for the diff's summary.
    QString ruleLabel() const;

private:
    StressPrograms() = default;

    std::optional<PreparedProgram> m_solution;
    std::optional<PreparedProgram> m_bruteForce;
    std::optional<PreparedProgram> m_generator;
    std::optional<Checker> m_checker;
    ComparisonMode m_comparison;
    RunLimits m_limits;
};

// Whether input `a` is smaller than `b`: fewer bytes, then a smaller sum of
// the magnitudes of its whole numbers, then earlier in byte order.
bool isSmallerInput(QByteArrayView a, QByteArrayView b);
