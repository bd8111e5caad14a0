#include "problems/problem_batches.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

using Clock = ProblemBatches::Clock;

ReceivedProblem problem(const QString& name, const QString& batchId, int batchSize) {
    ReceivedProblem problem;
    problem.name = name;
    problem.batchId = batchId;
    problem.batchSize = batchSize;
    return problem;
}

QStringList names(const QList<ReceivedBatch>& batches) {
    QStringList names;
    for (const ReceivedBatch& batch : batches) {
        QStringList inBatch;
        for (const ReceivedProblem& each : batch.problems)
            inBatch.append(each.name);
        names.append(inBatch.join(u' '));
    }
    return names;
}

TEST(ProblemBatches, InterleavedContestsEachCompleteInArrivalOrder) {
    ProblemBatches batches(3s);
    const Clock::time_point now = Clock::now();
    QList<ReceivedBatch> done;
    for (const ReceivedProblem& arrival :
         {problem(u"A1"_s, u"a"_s, 3), problem(u"B1"_s, u"b"_s, 2), problem(u"single"_s, {}, 1),
          problem(u"A2"_s, u"a"_s, 3), problem(u"B2"_s, u"b"_s, 2), problem(u"A3"_s, u"a"_s, 3)})
        done += batches.add(arrival, now);

    EXPECT_EQ(names(done), (QStringList{u"single"_s, u"B1 B2"_s, u"A1 A2 A3"_s}));
    EXPECT_EQ(batches.nextDeadline(), std::nullopt);
}

// The wait counts from the last arrival, so a long contest sent slowly is
// not cut in two; what came is handed on when the rest never does.
TEST(ProblemBatches, UnfinishedBatchIsHandedOnAfterTheWaitSinceItsLastProblem) {
    ProblemBatches batches(3s);
    const Clock::time_point start = Clock::now();
    EXPECT_TRUE(batches.add(problem(u"A1"_s, u"a"_s, 3), start).isEmpty());
    EXPECT_TRUE(batches.add(problem(u"A2"_s, u"a"_s, 3), start + 2s).isEmpty());

    EXPECT_EQ(batches.nextDeadline(), start + 5s);
    EXPECT_TRUE(batches.takeExpired(start + 4s).isEmpty());
    EXPECT_EQ(names(batches.takeExpired(start + 5s)), (QStringList{u"A1 A2"_s}));
    EXPECT_TRUE(batches.takeAll().isEmpty());
}

TEST(ProblemBatches, TooManyWaitingProblemsHandOnTheOldestBatchEarly) {
    ProblemBatches batches(3s);
    const Clock::time_point now = Clock::now();
    QList<ReceivedBatch> done;
    for (int i = 0; i <= ProblemBatches::maximumWaitingProblems; ++i)
        done += batches.add(problem(QString::number(i), QString::number(i), 2), now);

    EXPECT_EQ(names(done), (QStringList{u"0"_s}));
    EXPECT_EQ(batches.takeAll().size(), ProblemBatches::maximumWaitingProblems);
}

} // namespace
