#pragma once

#include <QColor>
#include <QString>

struct WindowColours;
class QPalette;

// The colours a diff of outputs is drawn in: lines and words only one side
// has (removed: expected only; added: actual only), lines that differ only in
// spacing, the empty place opposite a line the other side lacks, and the
// visible whitespace and line numbers.
struct DiffColours {
    QColor removedLine;
    QColor addedLine;
    QColor removedWord;
    QColor addedWord;
    // The text of a marked word: the theme's own where it reads on both
    // marks, else white or black.
    QColor markedText;
    QColor spacingLine;
    QColor filler;
    QColor secondaryText;
};

DiffColours diffColours(const QPalette& palette);

// The diff view's part of the application style sheet.
QString diffViewSheet(const WindowColours& window);
