#include "runner/run_limits.h"

#include <algorithm>

RunLimits RunLimits::fromSettings(const ExecutionSettings& settings) {
    const int timeout = std::max(0, settings.executionTimeout);
    return RunLimits{std::min(timeout, 24 * 3600) * 1000,
                     qint64(std::max(0, settings.memoryLimit)) * 1024, timeout};
}

std::chrono::milliseconds RunLimits::endAfter() const {
    using std::chrono::milliseconds;
    const milliseconds timeout = std::chrono::seconds(std::max(0, timeoutSeconds));
    const milliseconds wallLimit(2 * qint64(std::max(0, timeLimitMs)));
    if (timeout.count() == 0 || wallLimit.count() == 0)
        return std::max(timeout, wallLimit);
    return std::min(timeout, wallLimit);
}
