#pragma once

#include <QString>
#include <QUuid>

// What a stress test of one solution file runs it against: a generator and a
// brute force among the workspace's files, and the generator's arguments as
// the user wrote them (a pattern such as `10 [1..100]`). A null id: not chosen.
struct StressChoice {
    QUuid generatorFileId;
    QUuid bruteForceFileId;
    QString pattern;

    bool operator==(const StressChoice&) const = default;
};
