#include "workspace/app_state.h"

void AppState::setCachedBaekjoonProblem(const std::optional<CachedBaekjoonProblem>& problem) {
    if (m_cachedBaekjoonProblem == problem)
        return;
    m_cachedBaekjoonProblem = problem;
    emit cachedBaekjoonProblemChanged();
}

void AppState::setLastBaekjoonFetchTime(const std::optional<QDateTime>& time) {
    if (m_lastBaekjoonFetchTime == time)
        return;
    m_lastBaekjoonFetchTime = time;
    emit lastBaekjoonFetchTimeChanged();
}
