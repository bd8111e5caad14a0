#pragma once

#include "runner/comparison.h"
#include "runner/output_diff.h"
#include "runner/program_run.h"
#include "runner/stress_pattern.h"
#include "runner/stress_round.h"

#include <QObject>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <thread>

// When a stress session gives up looking.
struct StressBudget {
    quint64 rounds = 0;        // 0: no limit
    double seconds = 0;        // of rounds, counted after the compiles; 0: no limit
    double shrinkSeconds = 10; // for looking for a smaller counterexample
};

struct StressSetup {
    StressPrograms::Sources sources;
    StressPattern pattern;
    ComparisonMode comparison;
    // The solution's; the other programs get the hard stop alone.
    RunLimits limits{.timeLimitMs = 5000, .memoryLimitKiB = 0, .timeoutSeconds = 5};
    StressBudget budget;
    int workers = 0; // 0: one per core
    // Round N (from 0) gives the generator seed firstSeed + N.
    quint64 firstSeed = 1;
    PrepareOptions prepare;
};

struct StressProgress {
    enum class Phase { preparing, searching, shrinking, finished };
    Phase phase = Phase::preparing;
    quint64 rounds = 0;       // rounds judged while searching, the first failing one too
    quint64 shrinkRounds = 0; // rounds judged while shrinking
    double elapsedSeconds = 0;
    double roundsPerSecond = 0; // of the search, from its first round
};

// One line on where a session stands; once finished, the search's counts.
QString stressProgressLine(const StressProgress& progress);

struct StressResult {
    enum class Outcome {
        noDifference,   // the budget ran out without a failure
        counterexample, // see smallest and found
        programFailed,  // the generator, brute force or checker failed, or a program could not run
        stopped,
    };
    Outcome outcome = Outcome::stopped;
    // With counterexample, the smallest failing round found; with
    // programFailed, the round that failed, as far as it got.
    StressRound smallest;
    // With counterexample, the round that failed first, before shrinking.
    StressRound found;
    // The answer against the solution's output, with a wrong answer.
    OutputDiff diff;
    StressProgress progress;
};

// A stress test of a solution against a brute force on inputs from a
// generator. start() compiles the three programs side by side, then rounds
// run on `workers` threads, seeds handed out in order, until a round fails or
// the budget ends; a counterexample is then shrunk on one thread within its
// own budget. Progress arrives as values every quarter second, and once more
// before the result; both on the thread the session belongs to. stop() ends
// everything at once: every program is killed with its process group and the
// session finishes stopped (or with the counterexample it was shrinking).
// Destroying a session stops it and waits, so nothing it started outlives it.
class StressSession : public QObject {
    Q_OBJECT

public:
    explicit StressSession(StressSetup setup, QObject* parent = nullptr);
    ~StressSession() override;

    void start();
    // Safe from any thread and from a signal handler.
    void stop();

signals:
    void progressed(const StressProgress& progress);
    void finished(const StressResult& result);

private:
    using Clock = ProgramRun::Clock;

    void work();
    void search(const StressPrograms& programs);
    void searchOnWorker(const StressPrograms& programs);
    StressResult shrink(const StressPrograms& programs, const StressRound& found);
    StressProgress snapshot() const;
    void finish(const StressResult& result);

    const StressSetup m_setup;
    StopSignal m_stop;
    // Raised by stop(), by the first failing round and by the end of the budget.
    StopSignal m_searchStop;
    std::thread m_controller;
    QTimer m_progressTimer;

    Clock::time_point m_startedAt;
    // Since m_startedAt; -1 until the search starts or ends.
    std::atomic<Clock::rep> m_searchStartedAt{-1};
    std::atomic<Clock::rep> m_searchEndedAt{-1};
    std::atomic<StressProgress::Phase> m_phase{StressProgress::Phase::preparing};
    std::atomic<quint64> m_nextRound{0};
    std::atomic<quint64> m_rounds{0};
    std::atomic<quint64> m_shrinkRounds{0};
    std::mutex m_firstFailureMutex;
    std::optional<StressRound> m_firstFailure;
    bool m_finished = false;
};
