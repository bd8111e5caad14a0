#include "runner/run_limits.h"

#include <algorithm>

RunLimits RunLimits::fromSettings(const ExecutionSettings& settings) {
    const int timeout = std::max(0, settings.executionTimeout);
    return RunLimits{std::min(timeout, 24 * 3600) * 1000,
                     qint64(std::max(0, settings.memoryLimit)) * 1024, timeout};
}

RunLimits RunLimits::fromSettings(const ExecutionSettings& settings, const JudgeChoice& choice) {
    RunLimits limits = fromSettings(settings);
    if (choice.timeLimitMs > 0) {
        limits.timeLimitMs = choice.timeLimitMs;
        if (limits.timeoutSeconds > 0)
            limits.timeoutSeconds =
                std::max(limits.timeoutSeconds, (2 * choice.timeLimitMs + 999) / 1000);
    }
    if (choice.memoryLimitMb > 0)
        limits.memoryLimitKiB = qint64(choice.memoryLimitMb) * 1024;
    return limits;
}

std::chrono::milliseconds RunLimits::endAfter() const {
    using std::chrono::milliseconds;
    const milliseconds timeout = std::chrono::seconds(std::max(0, timeoutSeconds));
    const milliseconds wallLimit(2 * qint64(std::max(0, timeLimitMs)));
    if (timeout.count() == 0 || wallLimit.count() == 0)
        return std::max(timeout, wallLimit);
    return std::min(timeout, wallLimit);
}
