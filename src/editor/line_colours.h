#pragma once

#include "editor/highlighter.h"

#include <QStringView>
#include <cstdint>
#include <span>
#include <vector>

// A highlighting result cut into the editor's lines: for each line, its runs
// of non-plain roles with positions relative to the line's start, and a
// digest of those runs. The editor keeps the digest of the colours a line
// shows, so a new result is applied only to the lines whose digest differs.
// Lines end at line feeds, as the editor's blocks do; a text of n line feeds
// has n + 1 lines.
class LineColours {
public:
    struct Run {
        std::int32_t start = 0;
        std::int32_t length = 0;
        ColorRole role = ColorRole::plain;

        bool operator==(const Run&) const = default;
    };

    LineColours(QStringView text, const RoleMap& roles);

    qsizetype lineCount() const { return qsizetype(m_digests.size()); }
    std::span<const Run> runs(qsizetype line) const;
    // 0 for a line that is plain throughout, never 0 otherwise.
    std::uint32_t digest(qsizetype line) const { return m_digests[size_t(line)]; }

private:
    std::vector<Run> m_runs;
    // Where each line's runs begin in m_runs, plus the end of the last line's.
    std::vector<std::size_t> m_firstRun;
    std::vector<std::uint32_t> m_digests;
};
