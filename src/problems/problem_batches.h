#pragma once

#include "problems/received_problem.h"

#include <QList>
#include <QString>
#include <chrono>
#include <optional>

// The problems of one batch: a whole contest, or one problem alone.
struct ReceivedBatch {
    QString id;
    int expectedSize = 1;
    // In the contest's order: the extension sends them one after another in it.
    QList<ReceivedProblem> problems;

    bool operator==(const ReceivedBatch&) const = default;
};

// Gathers the problems of a contest, which arrive as separate requests with
// one batch id, into one batch: it is done when all of them have come, or
// when `wait` passes after the last one without the rest (a request the
// browser gave up on); what came is handed on, never dropped. Time is passed
// in, so the rules are tested without waiting.
class ProblemBatches {
public:
    using Clock = std::chrono::steady_clock;
    // Beyond this many waiting problems the oldest batch is handed on early,
    // so a flood of unfinished batches cannot grow without bound.
    static constexpr int maximumWaitingProblems = 64;

    explicit ProblemBatches(std::chrono::milliseconds wait);

    // The batches done by this arrival, oldest first.
    QList<ReceivedBatch> add(const ReceivedProblem& problem, Clock::time_point now);
    // The batches whose wait has passed at `now`.
    QList<ReceivedBatch> takeExpired(Clock::time_point now);
    QList<ReceivedBatch> takeAll();
    // When takeExpired next has something to give.
    std::optional<Clock::time_point> nextDeadline() const;

private:
    struct Waiting {
        ReceivedBatch batch;
        Clock::time_point lastArrival;
    };

    std::chrono::milliseconds m_wait;
    QList<Waiting> m_waiting;
    int m_waitingProblems = 0;
};
