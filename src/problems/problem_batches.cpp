#include "problems/problem_batches.h"

#include <algorithm>

ProblemBatches::ProblemBatches(std::chrono::milliseconds wait) : m_wait(wait) {}

QList<ReceivedBatch> ProblemBatches::add(const ReceivedProblem& problem, Clock::time_point now) {
    QList<ReceivedBatch> done;
    if (problem.batchSize <= 1 || problem.batchId.isEmpty()) {
        done.append({problem.batchId, 1, {problem}});
        return done;
    }

    auto waiting = std::find_if(m_waiting.begin(), m_waiting.end(), [&](const Waiting& entry) {
        return entry.batch.id == problem.batchId;
    });
    if (waiting == m_waiting.end()) {
        m_waiting.append({{problem.batchId, problem.batchSize, {}}, now});
        waiting = m_waiting.end() - 1;
    }
    waiting->batch.problems.append(problem);
    waiting->lastArrival = now;
    ++m_waitingProblems;

    if (waiting->batch.problems.size() >= waiting->batch.expectedSize) {
        m_waitingProblems -= int(waiting->batch.problems.size());
        done.append(std::move(waiting->batch));
        m_waiting.erase(waiting);
    }
    while (m_waitingProblems > maximumWaitingProblems) {
        m_waitingProblems -= int(m_waiting.first().batch.problems.size());
        done.append(m_waiting.takeFirst().batch);
    }
    return done;
}

QList<ReceivedBatch> ProblemBatches::takeExpired(Clock::time_point now) {
    QList<ReceivedBatch> expired;
    for (qsizetype i = 0; i < m_waiting.size();) {
        if (now < m_waiting[i].lastArrival + m_wait) {
            ++i;
            continue;
        }
        m_waitingProblems -= int(m_waiting[i].batch.problems.size());
        expired.append(m_waiting.takeAt(i).batch);
    }
    return expired;
}

QList<ReceivedBatch> ProblemBatches::takeAll() {
    QList<ReceivedBatch> all;
    for (Waiting& entry : m_waiting)
        all.append(std::move(entry.batch));
    m_waiting.clear();
    m_waitingProblems = 0;
    return all;
}

std::optional<ProblemBatches::Clock::time_point> ProblemBatches::nextDeadline() const {
    std::optional<Clock::time_point> next;
    for (const Waiting& entry : m_waiting) {
        if (!next || entry.lastArrival + m_wait < *next)
            next = entry.lastArrival + m_wait;
    }
    return next;
}
