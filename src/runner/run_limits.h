#pragma once

#include "workspace/judge_choice.h"
#include "workspace/settings_values.h"

#include <QtGlobal>
#include <chrono>

// The limits a run judges by, as one value: the settings' or, later, a judge
// problem's.
struct RunLimits {
    // Decides 시간 초과: CPU time past it, or wall time past twice it (a
    // program that waits rather than computes). 0: none.
    int timeLimitMs = 5000;
    // Decides 메모리 초과 from the peak resident set. 0: none.
    qint64 memoryLimitKiB = qint64(256) * 1024;
    // The hard stop for a program that never ends. 0: none.
    int timeoutSeconds = 5;

    // The settings have no time limit of their own: the timeout is both.
    static RunLimits fromSettings(const ExecutionSettings& settings);
    // A judge problem's limits, where the choice holds them, over the
    // settings'; the hard stop is never sooner than the time limit allows.
    static RunLimits fromSettings(const ExecutionSettings& settings, const JudgeChoice& choice);

    // When a program is ended: at the timeout, or once its wall time alone
    // makes it 시간 초과. Zero: never.
    std::chrono::milliseconds endAfter() const;

    bool operator==(const RunLimits&) const = default;
};
