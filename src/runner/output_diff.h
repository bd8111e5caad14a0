#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// A stretch of a shown line that the other side does not have.
struct DiffMark {
    int start = 0;
    int length = 0;

    bool operator==(const DiffMark&) const = default;
};

// One side of a row: a line, or the shown part of a long one.
struct DiffSide {
    // Zero-based line number; -1 when this side has no line in the row.
    qsizetype line = -1;
    // Without its line feed; a carriage return before it stays.
    QString text;
    // Where `text` starts in the line, and whether the line goes on before or after it.
    qsizetype column = 0;
    bool cutBefore = false;
    bool cutAfter = false;
    QList<DiffMark> marks;
};

struct DiffRow {
    // `whitespace`: the same values, spaced otherwise. `skipped`: equal lines
    // left out, `skippedLines` of them on each side.
    enum class Kind { same, whitespace, changed, expectedOnly, actualOnly, skipped };
    Kind kind = Kind::same;
    DiffSide expected;
    DiffSide actual;
    qsizetype skippedLines = 0;
};

struct DiffLimits {
    // Equal lines shown around a difference.
    int context = 2;
    // Differing lines laid out; the diff stops after them.
    int shownChanges = 100;
    // Lines of each side compared at once; bounds the work on very unequal outputs.
    int window = 2000;
    // Characters shown of a line, around its first difference.
    int shownColumns = 400;
};

// Expected against actual output: where they first differ, in words, and the
// rows that show the differences line by line with the differing words
// marked. Only the region around the first differences is compared and laid
// out, so a pair of huge outputs costs little more than reading them once.
struct OutputDiff {
    enum class Outcome { identical, whitespaceOnly, different };
    Outcome outcome = Outcome::identical;
    // "3번째 줄 2번째 값: 기대 42, 실제 41 · 비교 규칙: ..."
    QString summary;
    QList<DiffRow> rows;
    // Lines after the last row, left out.
    qsizetype uncomparedExpectedLines = 0;
    qsizetype uncomparedActualLines = 0;
    qsizetype expectedLineCount = 0;
    qsizetype actualLineCount = 0;
    bool expectedEndsWithNewline = false;
    bool actualEndsWithNewline = false;

    // The lines left out, in words; empty when every line was laid out.
    QString remainder() const;
};

// `ruleLabel` names the comparison rule that judged the outputs; the summary
// names it too. Pure and reentrant: may run on a worker thread.
OutputDiff diffOutputs(QStringView expected, QStringView actual, const QString& ruleLabel,
                       const DiffLimits& limits = {});
