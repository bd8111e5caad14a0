#pragma once

#include "base/records.h"

// A case with a fresh id and no result yet.
inline TestCase testCase(const QString& input, const QString& expectedOutput = {}) {
    return {.input = input, .expectedOutput = expectedOutput, .result = std::nullopt};
}
