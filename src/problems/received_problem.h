#pragma once

#include "problems/baekjoon_problem.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <variant>

// A problem as the browser extension sends it when the user presses its
// button on a judge's page: the name, the limits and the samples the page
// shows, and the batch (a whole contest) it belongs to.
struct ReceivedProblem {
    QString name;
    // "<judge> - <category>", or the judge alone.
    QString group;
    QString url;
    bool interactive = false;
    int memoryLimitMb = 0;
    int timeLimitMs = 0;
    QList<ProblemSample> tests;
    // "single" or "multiNumber".
    QString testType;
    // How the program reads and writes ({"type": "stdin"}, {"type": "file",
    // "fileName": ...}) and the language settings, kept as sent.
    QJsonObject input;
    QJsonObject output;
    QJsonObject languages;
    // Every problem of one contest carries the same id and the contest's size;
    // a single problem comes as a batch of one.
    QString batchId;
    int batchSize = 1;

    bool operator==(const ReceivedProblem&) const = default;
};

// Why a request body is not a problem, in words the sender can act on.
struct RejectedProblem {
    QString reason;

    bool operator==(const RejectedProblem&) const = default;
};

using ReceivedProblemResult = std::variant<ReceivedProblem, RejectedProblem>;

// Reads the extension's JSON. `name`, `group`, `url`, `memoryLimit`,
// `timeLimit` and `tests` are required; the rest take the extension's own
// defaults when absent. Limits must be positive (fractions are cut, as the
// extension does) and a batch holds at most `maximumBatchSize` problems.
ReceivedProblemResult parseReceivedProblem(const QByteArray& json);

inline constexpr int maximumBatchSize = 1000;
