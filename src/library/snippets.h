#pragma once

#include "base/programming_language.h"

#include <QList>
#include <QString>
#include <QUuid>
#include <optional>

// The constant snippet tables the editor expands on Tab. Each table is read
// from its data file once, on first use (thread-safe), and kept for the life
// of the process; ids are fresh per process and only identify rows in lists.
struct CodeSnippet {
    QUuid id;
    QString trigger;
    // Line feeds and tab characters are stored as such; the typing aid
    // replaces each tab by the caret line's indentation when expanding.
    QString code;
    QString description;
    // "cpp", "python" or "java": the table's tag, for display only.
    QString language;

    bool operator==(const CodeSnippet&) const = default;
};

namespace corvanta {

// The three tables in their fixed order (the settings window lists them).
const QList<CodeSnippet>& cppSnippets();
const QList<CodeSnippet>& pythonSnippets();
const QList<CodeSnippet>& javaSnippets();

// The table for a language: C, C++ and C# share the C++ table, Text has none
// (an empty list).
const QList<CodeSnippet>& snippets(ProgrammingLanguage language);

// The first snippet of the language's table whose trigger equals `trigger`
// exactly (case-sensitive); nullopt when there is none.
std::optional<CodeSnippet> findSnippet(ProgrammingLanguage language, const QString& trigger);

} // namespace corvanta
