#pragma once

#include <QString>
#include <optional>

// The time and memory limit a judge page states in its problem-info table
// ("시간 제한" "2 초", "메모리 제한" "128 MB"), as the page words them.
struct ProblemLimits {
    std::optional<QString> timeLimit;
    std::optional<QString> memoryLimit;
};

// Each limit is the cell under its heading, as one line of plain text;
// absent when the page has no such table or heading. Linear in the page.
ProblemLimits readProblemLimits(const QString& html);

// The number a limit's text opens with, in milliseconds ("0.5 초 (추가 시간
// 없음)" → 500) or megabytes ("256 MB" → 256); nothing for any other text.
std::optional<int> timeLimitMilliseconds(const QString& text);
std::optional<int> memoryLimitMegabytes(const QString& text);
