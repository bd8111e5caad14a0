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
