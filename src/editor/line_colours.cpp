#include "editor/line_colours.h"

#include <algorithm>

namespace {

// FNV-1a over the runs' fields, folded so that a coloured line never digests to 0.
std::uint32_t digestOf(std::span<const LineColours::Run> runs) {
    if (runs.empty())
        return 0;
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (value >> shift) & 0xffu;
            hash *= 1099511628211ull;
        }
    };
    for (const LineColours::Run& run : runs) {
        mix(std::uint32_t(run.start));
        mix(std::uint32_t(run.length));
        mix(std::uint32_t(run.role));
    }
    const auto folded = std::uint32_t(hash ^ (hash >> 32));
    return folded != 0 ? folded : 1;
}

} // namespace

LineColours::LineColours(QStringView text, const RoleMap& roles) {
    const qsizetype size = std::min(text.size(), roles.size());
    qsizetype lineStart = 0;
    const auto endLine = [&](qsizetype lineEnd) {
        m_firstRun.push_back(m_runs.size());
        for (qsizetype at = lineStart; at < lineEnd;) {
            const ColorRole role = roles.at(at);
            qsizetype end = at + 1;
            while (end < lineEnd && roles.at(end) == role)
                ++end;
            if (role != ColorRole::plain)
                m_runs.push_back({std::int32_t(at - lineStart), std::int32_t(end - at), role});
            at = end;
        }
        m_digests.push_back(digestOf(runs(lineCount())));
    };
    for (qsizetype at = 0; at < size; ++at) {
        if (text[at] == u'\n') {
            endLine(at);
            lineStart = at + 1;
        }
    }
    endLine(size);
    m_firstRun.push_back(m_runs.size());
}

std::span<const LineColours::Run> LineColours::runs(qsizetype line) const {
    const std::size_t first = m_firstRun[size_t(line)];
    const std::size_t end =
        size_t(line) + 1 < m_firstRun.size() ? m_firstRun[size_t(line) + 1] : m_runs.size();
    return std::span<const Run>(m_runs).subspan(first, end - first);
}
