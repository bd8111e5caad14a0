#include "runner/output_diff.h"

#include <QLocale>
#include <algorithm>
#include <cstring>
#include <deque>
#include <dtl/dtl.hpp>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

bool isBlank(char16_t c) {
    if (c < 0x80)
        return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v';
    return QChar::isSpace(c);
}

qsizetype firstMismatch(QStringView a, QStringView b) {
    const qsizetype n = std::min(a.size(), b.size());
    // Whole blocks by memcmp first: outputs are mostly equal and can be huge.
    constexpr qsizetype block = 4096;
    qsizetype i = 0;
    while (i + block <= n && std::memcmp(a.data() + i, b.data() + i, block * sizeof(QChar)) == 0)
        i += block;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

qsizetype countFeeds(QStringView text) {
    return std::count(text.utf16(), text.utf16() + text.size(), u'\n');
}

qsizetype lineCount(QStringView text) {
    if (text.isEmpty())
        return 0;
    return countFeeds(text) + (text.endsWith(u'\n') ? 0 : 1);
}

QString number(qsizetype n) {
    return QLocale(QLocale::Korean).toString(n);
}

// ---- the first differing value, for the summary ----

struct Token {
    QStringView text;
    qsizetype line = 0;
    qsizetype index = 0;
};

class TokenScan {
public:
    TokenScan(QStringView text, qsizetype from, qsizetype line)
        : m_text(text), m_pos(from), m_line(line) {}

    std::optional<Token> next() {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos].unicode())) {
            if (m_text[m_pos] == u'\n') {
                ++m_line;
                m_index = 0;
            }
            ++m_pos;
        }
        if (m_pos == m_text.size())
            return std::nullopt;
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && !isBlank(m_text[m_pos].unicode()))
            ++m_pos;
        return Token{m_text.mid(start, m_pos - start), m_line, ++m_index};
    }

private:
    QStringView m_text;
    qsizetype m_pos;
    qsizetype m_line;
    qsizetype m_index = 0;
};

QString shown(QStringView value) {
    constexpr qsizetype longest = 24;
    return value.size() <= longest ? value.toString() : value.left(longest).toString() + u'…';
}

QString place(const Token& token) {
    return u"%1번째 줄 %2번째 값"_s.arg(number(token.line + 1), number(token.index));
}

QString firstDifference(const std::optional<Token>& expected, const std::optional<Token>& actual) {
    if (!actual)
        return place(*expected) + u": 기대 "_s + shown(expected->text) +
               u", 실제 출력은 여기서 끝남"_s;
    if (!expected)
        return place(*actual) + u": 기대 출력은 여기서 끝남, 실제 "_s + shown(actual->text);
    if (expected->line == actual->line && expected->index == actual->index)
        return place(*expected) + u": 기대 "_s + shown(expected->text) + u", 실제 "_s +
               shown(actual->text);
    return u"기대 "_s + place(*expected) + u' ' + shown(expected->text) + u", 실제 "_s +
           place(*actual) + u' ' + shown(actual->text);
}

// ---- whitespace-only differences, in words ----

struct Spacing {
    qsizetype carriageReturns = 0;
    qsizetype tabs = 0;
    qsizetype trailingBlanks = 0;
    qsizetype blankLines = 0;
    qsizetype finalFeeds = 0;

    explicit Spacing(QStringView text) {
        bool lineHasValue = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c == u'\r') {
                ++carriageReturns;
            } else if (c == u'\t') {
                ++tabs;
            } else if (c == u'\n') {
                if (!lineHasValue)
                    ++blankLines;
                const qsizetype before = i > 0 && text[i - 1] == u'\r' ? i - 2 : i - 1;
                if (before >= 0 && (text[before] == u' ' || text[before] == u'\t'))
                    ++trailingBlanks;
                lineHasValue = false;
            } else if (!isBlank(c)) {
                lineHasValue = true;
            }
        }
        while (finalFeeds < text.size() && text[text.size() - 1 - finalFeeds] == u'\n')
            ++finalFeeds;
    }
};

QString whitespaceWords(QStringView expected, QStringView actual) {
    const Spacing e(expected);
    const Spacing a(actual);
    QStringList words;
    if (e.carriageReturns != a.carriageReturns)
        words << u"줄바꿈 문자(CRLF와 LF)"_s;
    if (e.trailingBlanks != a.trailingBlanks)
        words << u"줄 끝 공백"_s;
    if (e.tabs != a.tabs)
        words << u"탭"_s;
    if (e.finalFeeds > 0 && a.finalFeeds == 0)
        words << u"실제 출력 끝에 줄바꿈 없음"_s;
    else if (e.finalFeeds == 0 && a.finalFeeds > 0)
        words << u"실제 출력 끝에 줄바꿈 있음"_s;
    else if (e.blankLines != a.blankLines)
        words << u"빈 줄"_s;
    if (words.isEmpty())
        words << u"값 사이의 공백이나 줄바꿈"_s;
    return u"공백만 다름 (값은 모두 같음): "_s + words.join(u", "_s);
}

// ---- lines, read as far as the diff needs them ----

class Lines {
public:
    Lines(QStringView text, qsizetype from, qsizetype firstLine)
        : m_text(text), m_scan(from), m_firstLine(firstLine) {}

    // Makes lines [0, count) available, as far as the text goes.
    void extend(qsizetype count) {
        while (qsizetype(m_starts.size()) < count && m_scan < m_text.size()) {
            m_starts.push_back(m_scan);
            const qsizetype feed = m_text.indexOf(u'\n', m_scan);
            m_scan = feed < 0 ? m_text.size() : feed + 1;
        }
    }
    qsizetype available() const { return qsizetype(m_starts.size()); }
    bool exhausted() const { return m_scan >= m_text.size(); }
    qsizetype number(qsizetype i) const { return m_firstLine + i; }
    qsizetype restAfter(qsizetype i) const {
        return available() - i + lineCount(m_text.mid(m_scan));
    }

    QStringView line(qsizetype i) const {
        const qsizetype start = m_starts[size_t(i)];
        const qsizetype end = size_t(i + 1) < m_starts.size() ? m_starts[size_t(i + 1)] - 1
                                                              : m_text.indexOf(u'\n', start);
        return m_text.mid(start, (end < 0 ? m_text.size() : end) - start);
    }

    // The line's values without their spacing, as a number to compare.
    quint64 key(qsizetype i) const {
        quint64 hash = 14695981039346656037ull;
        bool inValue = false;
        for (QChar c : line(i)) {
            if (isBlank(c.unicode())) {
                inValue = false;
                continue;
            }
            if (!inValue)
                hash = (hash ^ 0x20u) * 1099511628211ull;
            inValue = true;
            hash = (hash ^ c.unicode()) * 1099511628211ull;
        }
        return hash;
    }

private:
    QStringView m_text;
    std::vector<qsizetype> m_starts;
    qsizetype m_scan;
    qsizetype m_firstLine;
};

// ---- one row's sides and the differing words in a changed pair ----

// Runs of blanks and of the rest, the units words are compared in.
std::vector<QStringView> runs(QStringView text) {
    std::vector<QStringView> result;
    qsizetype start = 0;
    for (qsizetype i = 1; i <= text.size(); ++i) {
        if (i == text.size() || isBlank(text[i].unicode()) != isBlank(text[start].unicode())) {
            result.push_back(text.mid(start, i - start));
            start = i;
        }
    }
    return result;
}

void addMark(QList<DiffMark>& marks, qsizetype start, qsizetype length) {
    if (!marks.isEmpty() && marks.last().start + marks.last().length == start)
        marks.last().length += int(length);
    else
        marks.append({int(start), int(length)});
}

DiffSide side(const Lines& lines, qsizetype i, qsizetype from, int columns) {
    const QStringView line = lines.line(i);
    DiffSide result;
    result.line = lines.number(i);
    result.column = std::min(from, line.size());
    result.text = line.mid(result.column, columns).toString();
    result.cutBefore = result.column > 0;
    result.cutAfter = result.column + result.text.size() < line.size();
    return result;
}

std::pair<DiffSide, DiffSide> changedPair(const Lines& expected, qsizetype e, const Lines& actual,
                                          qsizetype a, const DiffLimits& limits) {
    const QStringView left = expected.line(e);
    const QStringView right = actual.line(a);
    // A long line is shown from a little before its first difference, at a run's start.
    qsizetype from = std::max<qsizetype>(0, firstMismatch(left, right) - limits.shownColumns / 8);
    for (qsizetype back = from; back > 0 && from - back < limits.shownColumns / 8; --back) {
        if (isBlank(left[back].unicode()) != isBlank(left[back - 1].unicode())) {
            from = back;
            break;
        }
    }
    std::pair<DiffSide, DiffSide> pair{side(expected, e, from, limits.shownColumns),
                                       side(actual, a, from, limits.shownColumns)};
    const std::vector<QStringView> leftRuns = runs(pair.first.text);
    const std::vector<QStringView> rightRuns = runs(pair.second.text);
    dtl::Diff<QStringView> diff(leftRuns, rightRuns, true);
    diff.compose();
    qsizetype leftAt = 0;
    qsizetype rightAt = 0;
    for (const auto& [run, info] : diff.getSes().getSequence()) {
        if (info.type == dtl::SES_DELETE)
            addMark(pair.first.marks, leftAt, run.size());
        else if (info.type == dtl::SES_ADD)
            addMark(pair.second.marks, rightAt, run.size());
        if (info.type != dtl::SES_ADD)
            leftAt += run.size();
        if (info.type != dtl::SES_DELETE)
            rightAt += run.size();
    }
    return pair;
}

// ---- rows: differences with their context, equal stretches folded ----

class RowBuilder {
public:
    RowBuilder(const Lines& expected, const Lines& actual, const DiffLimits& limits,
               bool whitespaceIsChange, qsizetype equalBefore)
        : m_expected(expected), m_actual(actual), m_limits(limits),
          m_whitespaceIsChange(whitespaceIsChange), m_folded(equalBefore) {}

    bool full() const { return m_changes >= m_limits.shownChanges; }
    bool wantsContext() const { return m_trailing > 0; }

    void common(qsizetype e, qsizetype a) {
        const bool spaced = m_expected.line(e) != m_actual.line(a);
        if (spaced && m_whitespaceIsChange) {
            change({e}, {a});
            return;
        }
        if (m_trailing > 0) {
            --m_trailing;
            m_rows.append(contextRow(e, a, spaced));
            return;
        }
        m_held.push_back({e, a});
        if (qsizetype(m_held.size()) > m_limits.context) {
            m_held.pop_front();
            ++m_folded;
        }
    }

    // Lays out as much of a change as the limit leaves room for and says how
    // many lines of each side that took.
    std::pair<size_t, size_t> change(const std::vector<qsizetype>& removed,
                                     const std::vector<qsizetype>& added) {
        if (removed.empty() && added.empty())
            return {0, 0};
        flushHeld();
        const size_t pairs = std::min(removed.size(), added.size());
        const size_t shown = std::min(std::max(removed.size(), added.size()),
                                      size_t(std::max(0, m_limits.shownChanges - m_changes)));
        for (size_t i = 0; i < shown; ++i) {
            DiffRow row;
            if (i < pairs) {
                std::tie(row.expected, row.actual) =
                    changedPair(m_expected, removed[i], m_actual, added[i], m_limits);
                const bool spaced = m_expected.key(removed[i]) == m_actual.key(added[i]);
                row.kind = spaced ? DiffRow::Kind::whitespace : DiffRow::Kind::changed;
            } else if (i < removed.size()) {
                row.kind = DiffRow::Kind::expectedOnly;
                row.expected = side(m_expected, removed[i], 0, m_limits.shownColumns);
            } else {
                row.kind = DiffRow::Kind::actualOnly;
                row.actual = side(m_actual, added[i], 0, m_limits.shownColumns);
            }
            m_rows.append(std::move(row));
            ++m_changes;
        }
        m_trailing = m_limits.context;
        return {std::min(shown, removed.size()), std::min(shown, added.size())};
    }

    // Equal lines after the last difference fold into one row when they are many.
    QList<DiffRow> finish() {
        if (m_folded > 0) {
            m_folded += qsizetype(m_held.size());
            m_held.clear();
        }
        flushHeld();
        return std::move(m_rows);
    }

private:
    DiffRow contextRow(qsizetype e, qsizetype a, bool spaced) const {
        DiffRow row;
        if (spaced) {
            row.kind = DiffRow::Kind::whitespace;
            std::tie(row.expected, row.actual) = changedPair(m_expected, e, m_actual, a, m_limits);
        } else {
            row.expected = side(m_expected, e, 0, m_limits.shownColumns);
            row.actual = side(m_actual, a, 0, m_limits.shownColumns);
        }
        return row;
    }

    void flushHeld() {
        if (m_folded > 0) {
            DiffRow row;
            row.kind = DiffRow::Kind::skipped;
            row.skippedLines = m_folded;
            m_rows.append(row);
            m_folded = 0;
        }
        for (const auto& [e, a] : m_held)
            m_rows.append(contextRow(e, a, m_expected.line(e) != m_actual.line(a)));
        m_held.clear();
    }

    const Lines& m_expected;
    const Lines& m_actual;
    const DiffLimits& m_limits;
    bool m_whitespaceIsChange;
    qsizetype m_folded;
    std::deque<std::pair<qsizetype, qsizetype>> m_held;
    QList<DiffRow> m_rows;
    int m_changes = 0;
    int m_trailing = 0;
};

// Lays out a pending change; lines it had no room for are handed back to
// the uncompared rest. True when the diff should stop.
bool layOut(RowBuilder& rows, std::vector<qsizetype>& removed, std::vector<qsizetype>& added,
            qsizetype& e, qsizetype& a) {
    const auto [usedRemoved, usedAdded] = rows.change(removed, added);
    if (usedRemoved < removed.size())
        e = removed[usedRemoved];
    if (usedAdded < added.size())
        a = added[usedAdded];
    const bool cut = usedRemoved < removed.size() || usedAdded < added.size();
    removed.clear();
    added.clear();
    return cut || (rows.full() && !rows.wantsContext());
}

// Diffs the lines window by window. A window that is not the last is taken
// only up to its last equal line, so a difference cut by the window's edge
// is compared again whole in the next one.
void compareLines(Lines& expected, Lines& actual, RowBuilder& rows, const DiffLimits& limits,
                  OutputDiff& result) {
    qsizetype e = 0;
    qsizetype a = 0;
    bool stopped = false;
    while (!stopped) {
        // Most of a long output is equal line for line; only what is not goes to the diff.
        for (bool equal = true; equal && !stopped;) {
            expected.extend(e + limits.window);
            actual.extend(a + limits.window);
            const qsizetype until = std::min(expected.available() - e, actual.available() - a);
            equal = until > 0;
            for (qsizetype i = 0; i < until && equal && !stopped; ++i) {
                equal = expected.line(e) == actual.line(a);
                if (equal) {
                    rows.common(e++, a++);
                    stopped = rows.full() && !rows.wantsContext();
                }
            }
        }
        if (stopped)
            break;
        expected.extend(e + limits.window);
        actual.extend(a + limits.window);
        const qsizetype ne = std::min<qsizetype>(limits.window, expected.available() - e);
        const qsizetype na = std::min<qsizetype>(limits.window, actual.available() - a);
        if (ne == 0 && na == 0)
            break;
        const bool last = expected.exhausted() && actual.exhausted() &&
                          e + ne == expected.available() && a + na == actual.available();
        std::vector<quint64> left(static_cast<size_t>(ne));
        std::vector<quint64> right(static_cast<size_t>(na));
        for (qsizetype i = 0; i < ne; ++i)
            left[size_t(i)] = expected.key(e + i);
        for (qsizetype i = 0; i < na; ++i)
            right[size_t(i)] = actual.key(a + i);
        dtl::Diff<quint64> diff(left, right, true);
        diff.compose();
        const auto script = diff.getSes().getSequence();
        size_t end = script.size();
        if (!last) {
            const auto lastEqual =
                std::find_if(script.rbegin(), script.rend(),
                             [](const auto& step) { return step.second.type == dtl::SES_COMMON; });
            if (lastEqual != script.rend())
                end = size_t(script.rend() - lastEqual);
        }
        std::vector<qsizetype> removed;
        std::vector<qsizetype> added;
        for (size_t i = 0; i < end && !stopped; ++i) {
            const auto type = script[i].second.type;
            if (type != dtl::SES_COMMON) {
                // Enough differences are laid out: the next one is not begun.
                stopped = rows.full();
                if (stopped)
                    break;
                if (type == dtl::SES_DELETE)
                    removed.push_back(e++);
                else
                    added.push_back(a++);
                continue;
            }
            stopped = layOut(rows, removed, added, e, a);
            if (!stopped)
                rows.common(e++, a++);
        }
        stopped = layOut(rows, removed, added, e, a) || stopped;
    }
    result.uncomparedExpectedLines = expected.restAfter(e);
    result.uncomparedActualLines = actual.restAfter(a);
}

} // namespace

QString OutputDiff::remainder() const {
    if (uncomparedExpectedLines == 0 && uncomparedActualLines == 0)
        return {};
    return u"이후 기대 %1줄, 실제 %2줄은 생략했습니다"_s.arg(number(uncomparedExpectedLines),
                                                             number(uncomparedActualLines));
}

OutputDiff diffOutputs(QStringView expected, QStringView actual, const QString& ruleLabel,
                       const DiffLimits& limits) {
    OutputDiff result;
    result.expectedEndsWithNewline = expected.endsWith(u'\n');
    result.actualEndsWithNewline = actual.endsWith(u'\n');
    result.expectedLineCount = lineCount(expected);
    result.actualLineCount = lineCount(actual);
    const qsizetype mismatch = firstMismatch(expected, actual);
    if (mismatch == expected.size() && mismatch == actual.size()) {
        result.summary = u"기대 출력과 실제 출력이 같습니다"_s;
        return result;
    }

    // Everything before the line of the first difference is equal on both sides.
    const qsizetype lineStart = expected.left(mismatch).lastIndexOf(u'\n') + 1;
    const qsizetype firstLine = countFeeds(expected.left(lineStart));
    TokenScan left(expected, lineStart, firstLine);
    TokenScan right(actual, lineStart, firstLine);
    std::optional<Token> e;
    std::optional<Token> a;
    do {
        e = left.next();
        a = right.next();
    } while (e && a && e->text == a->text);
    if (!e && !a) {
        result.outcome = OutputDiff::Outcome::whitespaceOnly;
        result.summary = whitespaceWords(expected, actual);
    } else {
        result.outcome = OutputDiff::Outcome::different;
        result.summary = firstDifference(e, a);
    }
    if (!ruleLabel.isEmpty())
        result.summary += u" · 비교 규칙: "_s + ruleLabel;

    qsizetype from = lineStart;
    qsizetype before = 0;
    while (from > 0 && before < limits.context) {
        from = expected.left(from - 1).lastIndexOf(u'\n') + 1;
        ++before;
    }
    Lines expectedLines(expected, from, firstLine - before);
    Lines actualLines(actual, from, firstLine - before);
    RowBuilder rows(expectedLines, actualLines, limits,
                    result.outcome == OutputDiff::Outcome::whitespaceOnly, firstLine - before);
    compareLines(expectedLines, actualLines, rows, limits, result);
    result.rows = rows.finish();
    return result;
}
