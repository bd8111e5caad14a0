#pragma once

#include "base/programming_language.h"
#include "workspace/settings_values.h"

#include <QRandomGenerator>
#include <QString>
#include <optional>

// The editor's typing aids as value functions: automatic closing of brackets
// and quotes, over-typing a closing character, Tab to leave a pair, to expand
// a snippet or to indent with spaces, Return carrying the indentation and
// splitting a pair over three lines, Backspace removing an empty pair, and
// random typing. Each looks only at the caret's line and the selection, never
// at the whole document, so a keystroke costs the same in any size of file,
// and returns the edit the text widget applies. Positions are UTF-16 units of
// the whole document.

// The settings the aids follow.
struct TypingFlags {
    IndentationSettings indentation = {};
    TypingAidSettings aids = {};
    // Chooses the snippet table.
    ProgrammingLanguage language = ProgrammingLanguage::cpp;
};

// What a keystroke may look at. The aids read the characters around the
// selection's start (the caret) only; a line feed or the end of the text on
// either side is never part of a pair, so the line is all they need.
struct CaretContext {
    // The caret's line without its line feed.
    QString line;
    // Where the line starts in the document.
    qsizetype lineStart = 0;
    // The selection, start <= end; the start lies on `line`, the end may lie
    // on a later line.
    qsizetype selectionStart = 0;
    qsizetype selectionEnd = 0;
};

// Replace [start, start + length) by `text`, then put the caret at `caret`
// with an empty selection. A zero-length, empty replacement only moves the
// caret.
struct TypingEdit {
    qsizetype start = 0;
    qsizetype length = 0;
    QString text;
    qsizetype caret = 0;

    bool operator==(const TypingEdit&) const = default;
};

// Typed or pasted text. A single character may be replaced by a random
// letter (random typing), paired with its closing bracket or quote, or step
// over the same closing character; anything else replaces the selection.
TypingEdit insertText(const CaretContext& context, const QString& input, const TypingFlags& flags,
                      QRandomGenerator& random);

// Tab: expands a snippet trigger before the caret (when snippets are on),
// else steps over a closing bracket or quote, else inserts spaces or a tab.
TypingEdit insertTab(const CaretContext& context, const TypingFlags& flags);

// Return: repeats the indentation of the text before the caret on its line
// (when auto-indent is on); between two characters of a pair it opens an
// indented middle line and moves the closing one to a third line.
TypingEdit insertNewline(const CaretContext& context, const TypingFlags& flags);

// Backspace between the two characters of a pair, with nothing selected,
// removes both; nullopt leaves the keystroke to the widget's own Backspace.
std::optional<TypingEdit> deleteBackward(const CaretContext& context, const TypingFlags& flags);
