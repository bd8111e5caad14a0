#pragma once

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

// The nearest-rank percentile: 0.5 is the median of an odd count, 1.0 the
// largest value.
inline double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto rank = size_t(std::ceil(fraction * double(values.size())));
    return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One "NAME VALUE" line with two decimals, whatever the locale's decimal mark.
inline void printFigure(const char* name, double value) {
    std::printf("%s %s\n", name, qPrintable(QString::number(value, 'f', 2)));
    std::fflush(stdout);
}
