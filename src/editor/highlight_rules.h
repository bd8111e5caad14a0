#pragma once

#include "base/programming_language.h"
#include "themes/color_role.h"

#include <QList>
#include <QString>
#include <QStringList>

// The colouring rules of the editor: fixed word lists and, per language, an
// ordered list of pattern rules where a later rule paints over an earlier one.
// Patterns use the ICU syntax the rules were written in; see highlighter.h for
// how they are compiled.
struct HighlightRule {
    QString pattern;
    // Under this option "^" and "$" match at every line start and end.
    bool anchorsMatchLines = false;
    ColorRole role = ColorRole::plain;
    // 0 paints the whole match, 1 the first capture group.
    int group = 0;
};

namespace HighlightWords {
const QStringList& cKeywords();
const QStringList& cTypes();
const QStringList& pythonKeywords();
const QStringList& pythonBuiltins();
const QStringList& pythonTypes();
// The types the C-family declaration rules look for ("int x", "vector<int> v").
const QStringList& declarationTypes();
} // namespace HighlightWords

// The rules of a language in painting order, each word of a word list expanded
// into its own rule; empty for Text.
QList<HighlightRule> highlightRules(ProgrammingLanguage language);
